// A coloured player name cut into its colour codes and the runs each code colours.
#include "editor/store/name_colour_pieces.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrane {

void PrintTo(const NamePiece& p, std::ostream* os) {
    *os << "{" << p.start << "," << p.length << "," << (p.code ? "code" : "text") << ","
        << (p.colour ? std::to_string(*p.colour) : "none") << "}";
}

namespace {

struct Case {
    std::string name;
    std::vector<NamePiece> pieces;
};

TEST(NamePieces, CodesColourTheCharactersAfterThem) {
    constexpr std::uint32_t kRed = 0x0101FF;  // red 255, green and blue raised to 1
    const Case cases[] = {
        {"", {}},
        {"Player", {{0, 6, false, std::nullopt}}},
        {std::string("abc\x1B\xFF\x01\x01") + "de",
         {{0, 3, false, std::nullopt}, {3, 4, true, kRed}, {7, 2, false, kRed}}},
        // Two codes in a row: the second one colours what follows.
        {std::string("\x1B\x10\x20\x30\x1B\x01\xFF\x01x", 9),
         {{0, 4, true, 0x302010}, {4, 4, true, 0x01FF01}, {8, 1, false, 0x01FF01}}},
        // A code cut short by the end of the name has no colour.
        {std::string("ab\x1B\x05", 4), {{0, 2, false, std::nullopt}, {2, 2, true, std::nullopt}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NamePieces(c.name), c.pieces);
    }
}

}  // namespace
}  // namespace kestrane
