#include "editor/instant_action/mutator_records.h"

#include <gtest/gtest.h>

#include "editor/instant_action/map_list.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

namespace kestrane {
namespace {

TEST(MutatorRecords, TheGamesUtf16FileIsRead) {
    const auto real = test::RealFixturesFolder();
    if (!real) GTEST_SKIP() << "no real fixtures folder";
    const std::string host = *real + "/dantrevino__ut2k4/System/CacheRecords.ucl";
    const MutatorList list = ReadMutatorRecords(host);
    EXPECT_EQ(list.note, "");
    ASSERT_EQ(list.records.size(), 27u);
    EXPECT_EQ(list.records[0].name, "Bonus Combos");
    EXPECT_EQ(list.records[0].className, "BonusPack.MutCrateCombo");
    EXPECT_EQ(list.records[0].description,
              "\"Adds the Pint-sized combo (LLLL) and the Camouflage Combo (RRRR).\"");
    EXPECT_EQ(list.records[16].name, "InstaGib");
    EXPECT_EQ(list.records[16].className, "XGame.MutInstaGib");
    EXPECT_EQ(list.records[26].className, "XWeapons.MutNoSuperWeapon");
    for (const MutatorRecord& m : list.records) {
        EXPECT_EQ(m.className.find('\r'), std::string::npos);
        EXPECT_EQ(m.description.back(), '"') << m.className;
    }
}

TEST(MutatorRecords, AnEightBitFileWithCrLfIsRead) {
    test::TempPrefix prefix;
    prefix.Write(
        "UT2004/System/CacheRecords.ucl",
        "Map=(MapName=\"DM-Rankin\")\r\n"
        "Mutator=(ClassName=Foo.MutBar,FallbackName=\"Bar Mutator\",FallbackDesc=\"Does bar.\")\r\n"
        "mutator=(ClassName=Caf\xE9.MutLait,GroupName=X,FallbackName=\"Caf\xE9 (au lait)\","
        "FallbackDesc=\"Milk, \"foamed\", hot.\")\r\n"
        "Mutator=(FallbackName=\"No Class\",FallbackDesc=\"x\")\r\n"
        "Mutator=(ClassName=Plain.MutName,FallbackName=Plain,FallbackDesc=none)");
    const MutatorList list = ReadMutatorRecords("C:\\UT2004\\System\\CacheRecords.ucl");
    ASSERT_EQ(list.records.size(), 3u);
    EXPECT_EQ(list.records[0].name, "Bar Mutator");
    EXPECT_EQ(list.records[0].className, "Foo.MutBar");
    EXPECT_EQ(list.records[0].description, "\"Does bar.\"");
    EXPECT_EQ(list.records[1].name, "Caf\xE9 (au lait)");
    EXPECT_EQ(list.records[1].className, "Caf\xE9.MutLait");
    EXPECT_EQ(list.records[1].description, "\"Milk, \"foamed\", hot.\"");
    EXPECT_EQ(list.records[2].name, "Plain");
    EXPECT_EQ(list.records[2].description, "none");
}

TEST(MutatorRecords, ByteOrderMarksAndManyLines) {
    // UTF-16LE with a character beyond 8 bits, and UTF-8: both come back as 8-bit text.
    const std::u16string wide = u"\uFEFFMutator=(ClassName=A.B,FallbackName=\"\u00E9\u0416\")\n";
    std::string bytes;
    for (char16_t u : wide) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    EXPECT_EQ(RecordsText(bytes), "Mutator=(ClassName=A.B,FallbackName=\"\xE9?\")\n");
    EXPECT_EQ(RecordsText("\xEF\xBB\xBFMutator=(\xC3\xA9"), "Mutator=(\xE9");

    std::string many;
    for (int i = 0; i < 1200; ++i) {
        many += "Mutator=(ClassName=P.M" + std::to_string(i) +
                ",FallbackName=\"M\",FallbackDesc=\"d\")\n";
    }
    const auto records = ParseMutatorLines(many);
    ASSERT_EQ(records.size(), 1200u);
    EXPECT_EQ(records.back().className, "P.M1199");
}

TEST(MutatorRecords, AMissingFileGivesAnEmptyListAndANote) {
    test::TempPrefix prefix;
    const MutatorList list = ReadMutatorRecords("C:\\UT2004\\System\\CacheRecords.ucl");
    EXPECT_TRUE(list.records.empty());
    EXPECT_NE(list.note.find("C:\\UT2004\\System\\CacheRecords.ucl could not be read"),
              std::string::npos)
        << list.note;
}

TEST(MapList, PrefixIgnoresCaseAndNamesEndAtTheFirstStop) {
    const std::vector<std::string> files = {"CTF-Gamma.ut2",
                                            "as-beta.ut2",
                                            "AS-Delta.part.ut2",
                                            "AS-Alpha.ut2",
                                            "DM-Rankin.ut2",
                                            "ASX",
                                            "A"};
    EXPECT_EQ(MapNames(files, "As"),
              (std::vector<std::string>{"AS-Alpha", "as-beta", "AS-Delta", "ASX"}));
    EXPECT_EQ(MapNames(files, "CT"), (std::vector<std::string>{"CTF-Gamma"}));
    EXPECT_TRUE(MapNames(files, "").empty());

    test::TempPrefix prefix;
    for (const char* name : {"DM-B.ut2", "dm-a.ut2", "ONS-X.ut2"}) {
        prefix.Write(std::string("UT2004/Maps/") + name, "x");
    }
    prefix.Write("UT2004/Maps/DM-Folder/inside.ut2", "x");
    EXPECT_EQ(MapNames(AllFiles("C:\\UT2004\\Maps\\"), "DM"),
              (std::vector<std::string>{"dm-a", "DM-B"}));
    EXPECT_TRUE(AllFiles("C:\\UT2004\\NoMaps\\").empty());
}

}  // namespace
}  // namespace kestrane
