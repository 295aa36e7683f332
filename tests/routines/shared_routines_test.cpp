#include <gtest/gtest.h>

#include "editor/store/colour_text.h"
#include "editor/store/crosshair_names.h"
#include "editor/store/leading_number.h"
#include "editor/store/text_routines.h"
#include "editor/store/weapon_priority_sort.h"

namespace kestrane {
namespace {

TEST(LeadingNumber, ReadsLikeTheGameTools) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},        {"abc", 0},    {"12,5", 12}, {" 1 2 ", 12}, {"\t-3.5x", -3.5},
        {"1.5.5", 1.5}, {"2e3", 2000}, {"2e", 2},    {"&H1F", 31},  {"&o17", 15},
        {"&HFFFF", -1}, {"+.5", 0.5},  {".", 0},     {"1D2", 100},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(LeadingNumber, RoundsHalvesToEvenAndHoldsTheRange) {
    EXPECT_EQ(LeadingInt16("12.5"), 12);
    EXPECT_EQ(LeadingInt16("13.5"), 14);
    EXPECT_EQ(LeadingInt16("-2.5"), -2);
    EXPECT_EQ(LeadingInt16("99999"), 32767);
    EXPECT_EQ(LeadingInt16("-99999"), -32768);
}

TEST(GetRGB, ReadsChannelsByPosition) {
    std::array<std::int16_t, 3> rgb{};
    GetRGB(rgb, "(B=10,G=20,R=30,A=255)");
    EXPECT_EQ(rgb, (std::array<std::int16_t, 3>{30, 20, 10}));
    GetRGB(rgb, "(B=12.5,G=13.5,R=0,A=255)");
    EXPECT_EQ(rgb, (std::array<std::int16_t, 3>{0, 14, 12}));
    // One "=": red and blue read after it, green from the start of the text.
    GetRGB(rgb, "(B=7)");
    EXPECT_EQ(rgb, (std::array<std::int16_t, 3>{7, 0, 7}));
    GetRGB(rgb, "");
    EXPECT_EQ(rgb, (std::array<std::int16_t, 3>{0, 0, 0}));
}

TEST(GetCrosshair, WholeNamesAnyCase) {
    EXPECT_EQ(GetCrosshair("ONSInterface-TX.avrilRETICLEtrack"), "Avril Track");
    EXPECT_EQ(GetCrosshair("onsinterface-tx.AVRILRETICLE"), "Avril");
    EXPECT_EQ(GetCrosshair("crosshairs.hud.crosshair_triad3"), "Triad 3");
    EXPECT_EQ(GetCrosshair("Crosshairs.HUD.Crosshair_Dot2"), "Cross 1");
    EXPECT_EQ(GetCrosshair(""), "Cross 1");
}

TEST(CountSubstring, ExactOrIgnoringCaseWithOverlaps) {
    const std::string aliases = "Aliases[0]=a\r\nAliases[1]=b\r\naliases[2]=c\r\nAliases[3]=d";
    EXPECT_EQ(CountSubstring(aliases, "Aliases[", true), 3);
    EXPECT_EQ(CountSubstring(aliases, "aliases[", false), 4);
    EXPECT_EQ(CountSubstring("aaa", "aa", true), 2);
    EXPECT_EQ(CountSubstring("a", "aa", true), 0);
    EXPECT_EQ(CountSubstring("", "a", false), 0);
}

TEST(SplitPath, Parts) {
    const struct {
        const char* path;
        int part;
        const char* result;
    } cases[] = {
        {"C:\\Game\\Maps\\Level.ut2", 0, "ut2"},
        {"C:\\Game\\Maps\\Level.ut2", 1, "Level"},
        {"C:\\Game\\Maps\\Level.ut2", 2, "Level.ut2"},
        {"C:\\Game\\Maps\\Level.ut2", 3, "C:\\Game\\Maps\\"},
        {"C:\\Game\\Maps\\Level.ut2", 4, ""},
        {"a.b.c", 1, "a"},
        {"a.b.c", 0, "c"},
        {"C:\\My.Game\\Readme", 0, "Game\\Readme"},
        {"C:\\Game\\", 2, ""},
        {"C:\\Game\\", 3, "C:\\Game\\"},
        {"Level.ut2", 3, ""},
        {"C:\\Maps\\maps", 3, "C:\\\\"},  // every occurrence of the file name goes
        {"", 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitPath(c.path, c.part), c.result) << c.path << " " << c.part;
}

TEST(FindOccurrences, NonOverlappingFromStart) {
    EXPECT_EQ(FindOccurrences("Bind bind BIND", "bind", 1), (std::vector<size_t>{1, 6, 11}));
    EXPECT_EQ(FindOccurrences("Bind bind BIND", "bind", 2), (std::vector<size_t>{6, 11}));
    EXPECT_EQ(FindOccurrences("aaaa", "aa", 1), (std::vector<size_t>{1, 3}));
    EXPECT_TRUE(FindOccurrences("abc", "", 1).empty());
}

using Column = std::array<std::string, 17>;

Column Names() {
    Column names;
    for (int i = 0; i < 17; ++i) names[i] = std::string(1, static_cast<char>('A' + i));
    return names;
}

TEST(SortWeaponPriority, DescendingSwapsEqualNeighbours) {
    Column names = Names();
    Column values = {"9", "8", "7", "6", "5", "4", "3", "2", "1",
                     "1", "1", "1", "1", "1", "1", "1", "1"};
    SortWeaponPriority(names, values, true);
    EXPECT_EQ(values, (Column{"9", "8", "7", "6", "5", "4", "3", "2", "1", "1", "1", "1", "1", "1",
                              "1", "1", "1"}));
    EXPECT_EQ(names, (Column{"A", "B", "C", "D", "E", "F", "G", "H", "Q", "P", "O", "N", "M", "L",
                             "K", "J", "I"}));
}

TEST(SortWeaponPriority, AscendingKeepsEqualValuesInOrderAndRewritesMovedValues) {
    Column names = Names();
    Column values = {"05", "3", "3", "1", "2", "2", "9", "8", "7",
                     "6",  "5", "4", "3", "2", "1", "0", "10"};
    SortWeaponPriority(names, values, false);
    EXPECT_EQ(values, (Column{"0", "1", "1", "2", "2", "2", "3", "3", "3", "4", "5", "5", "6", "7",
                              "8", "9", "10"}));
    // Equal values keep their input order: the threes came as B, C, M.
    EXPECT_EQ(names[6], "B");
    EXPECT_EQ(names[7], "C");
    EXPECT_EQ(names[8], "M");
    EXPECT_EQ(names[10], "A");  // "05" moved up and came back as "5"
}

}  // namespace
}  // namespace kestrane
