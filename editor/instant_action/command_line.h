// The game's Instant Action argument string, built from the window's choices.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrane {

struct InstantChoices {
    std::string map;  // without extension
    std::string gameClass;
    std::string bots;  // the bots box's text as it stands
    std::int16_t skill = 0;
    bool mutatorOn = false;
    std::string mutatorClass;
    // The map file's name holds a character the game's 8-bit text lacks: `map` has "?" there.
    bool mapBeyondAnsi = false;
};

// <map>.ut2?Game=<class>?Numbots=<bots>?Difficulty=<skill>[?Mutator=<class>]
std::string CommandLineText(const InstantChoices& choices);

// No map chosen, or a chosen value the game's URL-style options cannot carry (a "?", "=", "#",
// quote, blank or control character inside it would end it or split the arguments): the message
// naming it; nothing when every value goes through.
std::optional<std::string> CommandLineProblem(const InstantChoices& choices);

}  // namespace kestrane
