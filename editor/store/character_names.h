// The game's player characters, in the order the character list shows them, and where their
// portraits lie in the program folder.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrane {

extern const std::array<std::string_view, 91> kCharacterNames;

// Program folder & "\Images\Characters\" & name & ".jpg".
std::string CharacterPicturePath(std::string_view name);

}  // namespace kestrane
