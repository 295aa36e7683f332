// The built-in default lines of the five game-type sections, in the order they are appended.
#pragma once

#include <span>
#include <string_view>

#include "editor/instant_action/game_sections.h"

namespace kestrane {

struct GameSectionDefaults {
    bool GameSectionFlags::*present;  // the flag that says the file has this section
    std::string_view header;
    std::span<const std::string_view> lines;
};

// Onslaught, Assault, Mutant, Last Man Standing, Invasion.
std::span<const GameSectionDefaults> GameSectionTable();

}  // namespace kestrane
