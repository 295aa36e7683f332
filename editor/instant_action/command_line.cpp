#include "editor/instant_action/command_line.h"

#include <string_view>

namespace kestrane {
namespace {

// What the character is, as the message names it; empty for one that goes through.
std::string_view Breaks(char c) {
    switch (c) {
        case '?':
            return "a \"?\"";
        case '=':
            return "an \"=\"";
        case '#':
            return "a \"#\"";
        case '"':
            return "a double quote";
        case ' ':
            return "a blank";
        case '\\':
            return "a \"\\\", which the game reads as a folder separator";
        default:
            break;
    }
    return static_cast<unsigned char>(c) < 0x20 ? "a control character" : "";
}

std::optional<std::string> Problem(std::string_view what, const std::string& value) {
    for (char c : value) {
        const std::string_view reason = Breaks(c);
        if (!reason.empty()) {
            return "The " + std::string(what) + " \"" + value +
                   "\" cannot go into the game's command line: it holds " + std::string(reason) +
                   ".";
        }
    }
    return std::nullopt;
}

}  // namespace

std::string CommandLineText(const InstantChoices& c) {
    std::string text = c.map + ".ut2?Game=" + c.gameClass + "?Numbots=" + c.bots +
                       "?Difficulty=" + std::to_string(c.skill);
    if (c.mutatorOn) text += "?Mutator=" + c.mutatorClass;
    return text;
}

std::optional<std::string> CommandLineProblem(const InstantChoices& c) {
    // ".ut2?Game=..." would start the game on a map named ".ut2".
    if (c.map.empty()) {
        return std::string(
            "A map must be chosen before the game can start: the game's Maps folder holds no map "
            "of this game type. The game was not started.");
    }
    if (c.mapBeyondAnsi) {
        return "The map \"" + c.map +
               "\" cannot go into the game's command line: its file name holds a character the "
               "game's text (Windows-1252) cannot hold, shown here as \"?\". Rename the map file "
               "to play it.";
    }
    if (auto p = Problem("map", c.map)) return p;
    if (auto p = Problem("number of bots", c.bots)) return p;
    if (c.mutatorOn) return Problem("mutator class", c.mutatorClass);
    return std::nullopt;
}

}  // namespace kestrane
