// Colour texts read by their channel letters, and written back changing only edited numbers.
#include "editor/store/colour_text.h"

#include <gtest/gtest.h>

namespace kestrane {
namespace {

struct ReadCase {
    const char* text;
    std::array<std::int16_t, 3> rgb;  // red, green, blue
};

TEST(ColourText, ReadsChannelsByLetterInAnyOrderAndSpacing) {
    const ReadCase cases[] = {
        {"(B=0,G=128,R=255,A=255)", {255, 128, 0}},
        {"(R=1,G=2,B=3,A=4)", {1, 2, 3}},
        {"( B = 10 , G=20 ,R= 30, A=128 )", {30, 20, 10}},
        {"(b=5,g=6,r=7)", {7, 6, 5}},
        {"(B=12.5,G=13.5,R=0,A=255)", {0, 14, 12}},  // halves to even
        {"(B=1,G=2,A=255)", {0, 2, 1}},              // a channel it lacks is 0
        {"(B=-20,G=300,R=70000,A=255)", {32767, 300, -20}},
        {"", {0, 0, 0}},
        {"1,2,3", {1, 1, 1}},  // no letters: by position, as GetRGB reads
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        std::array<std::int16_t, 3> rgb{9, 9, 9};
        ReadRGB(rgb, c.text);
        EXPECT_EQ(rgb, c.rgb);
    }
}

struct EditCase {
    const char* file;
    std::array<std::optional<std::string>, 3> edited;  // red, green, blue
    const char* written;
};

TEST(ColourText, AnEditChangesOnlyItsChannelsNumber) {
    const std::array<std::string, 3> shown = {"7", "8", "9"};
    const EditCase cases[] = {
        {"(B=10,G=20,R=30,A=128)", {{"35", {}, {}}}, "(B=10,G=20,R=35,A=128)"},
        {"(B=10,G=20,R=30,A=128)", {{{}, {}, "255"}}, "(B=255,G=20,R=30,A=128)"},
        {"(R=1, G=2, B=3, A=0)", {{"100", "200", {}}}, "(R=100, G=200, B=3, A=0)"},
        {"( B = 12.5 ,G=13.5,R=0,A=255)", {{{}, "14", {}}}, "( B = 12.5 ,G=14,R=0,A=255)"},
        {"(B=-20,G=300,R=0,A=255)", {{"5", {}, {}}}, "(B=-20,G=300,R=5,A=255)"},
        // A channel the text lacks: the whole form, keeping what the file had.
        {"(B=1,G=2,A=64)", {{"5", {}, {}}}, "(B=1,G=2,R=5,A=64)"},
        {"", {{{}, "5", {}}}, "(B=9,G=5,R=7,A=255)"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(EditedColourText(c.file, c.edited, shown), c.written);
    }
}

}  // namespace
}  // namespace kestrane
