// A player name with the game's colour codes, cut into what the game draws: each code (ESC
// and its red, green and blue bytes) and the runs of characters between them, each run in the
// colour of the code before it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrane {

struct NamePiece {
    size_t start;   // byte offset in the name
    size_t length;  // bytes
    bool code;      // a colour code, else characters
    // red + 256 * green + 65536 * blue: a code's own colour, or that of the code before a run;
    // none for characters before any code and for a code cut short at the end of the name.
    std::optional<std::uint32_t> colour;

    bool operator==(const NamePiece&) const = default;
};

std::vector<NamePiece> NamePieces(std::string_view name);

}  // namespace kestrane
