#include "editor/instant_action/game_sections.h"

#include <gtest/gtest.h>

#include <QFile>

#include "editor/instant_action/game_section_defaults.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

namespace kestrane {
namespace {

using test::TempPrefix;
using test::ToCrLf;

constexpr const char* kSystem = "C:\\UT2004\\System\\";
constexpr const char* kIniPath = "UT2004/System/UT2004.ini";

IniStore Loaded(const std::string& text) {
    IniStore store;
    store.Load(text);
    return store;
}

bool AllPresent(const GameSectionFlags& f) {
    return f.HasOnslaughtSection && f.HasAssaultSection && f.HasMutantSection &&
           f.HasLastManStandingSection && f.HasInvasionSection;
}

// The game's file in the prefix, read into the store as the loader does, then both routines.
class GameSectionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetState();
        GameSections() = {};
        State().iniFolder = kSystem;
    }
    void LoadFile(const std::string& text) {
        prefix_.Write(kIniPath, text);
        FileError error;
        ASSERT_TRUE(LoadIniFile(State().ut2004, std::string(kSystem) + "UT2004.ini", &error))
            << error.Message("read");
    }
    std::string FileText() const { return prefix_.Read(kIniPath); }

    TempPrefix prefix_;
};

TEST(GameSectionDefaults, TablesHaveTheirLineCountsInAppendOrder) {
    const auto table = GameSectionTable();
    ASSERT_EQ(table.size(), 5u);
    const std::pair<const char*, size_t> want[] = {{"[Onslaught.ONSOnslaughtGame]", 19},
                                                   {"[UT2k4Assault.ASGameInfo]", 21},
                                                   {"[BonusPack.xMutantGame]", 16},
                                                   {"[BonusPack.xLastManStandingGame]", 23},
                                                   {"[SkaarjPack.Invasion]", 37}};
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].header, want[i].first);
        EXPECT_EQ(table[i].lines.size(), want[i].second) << want[i].first;
    }
}

TEST(FindGameTypeSections, HeadersCountInAnyLetterCase) {
    struct Case {
        const char* text;
        GameSectionFlags want;
    };
    const Case cases[] = {
        {"[Onslaught.ONSOnslaughtGame]\r\n[UT2k4Assault.ASGameInfo]\r\n[BonusPack.xMutantGame]\r\n"
         "[BonusPack.xLastManStandingGame]\r\n[SkaarjPack.Invasion]\r\n",
         {true, true, true, true, true}},
        // The game reads section names in any letter case: these are the player's own.
        {"[skaarjpack.invasion]\r\n[ONSLAUGHT.ONSONSLAUGHTGAME]\r\n",
         {true, false, false, false, true}},
        // Not a header: trailing blank, or the header text as a value.
        {"[BonusPack.xMutantGame] \r\nSection=[UT2k4Assault.ASGameInfo]\r\n", {}},
        {"[Engine.GameInfo]\r\nGoalScore=25\r\n\r\n[BonusPack.xLastManStandingGame]\r\nX=1",
         {false, false, false, true, false}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const GameSectionFlags got = FindGameTypeSections(Loaded(c.text));
        EXPECT_EQ(got.HasOnslaughtSection, c.want.HasOnslaughtSection);
        EXPECT_EQ(got.HasAssaultSection, c.want.HasAssaultSection);
        EXPECT_EQ(got.HasMutantSection, c.want.HasMutantSection);
        EXPECT_EQ(got.HasLastManStandingSection, c.want.HasLastManStandingSection);
        EXPECT_EQ(got.HasInvasionSection, c.want.HasInvasionSection);
    }
}

TEST(FindGameTypeSections, EachRunStartsFromNothingFound) {
    ResetState();
    GameSections() = {true, true, true, true, true};
    State().ut2004.Load("[BonusPack.xMutantGame]\r\n");
    FindGameTypeSections();
    EXPECT_FALSE(GameSections().HasOnslaughtSection);
    EXPECT_TRUE(GameSections().HasMutantSection);
    EXPECT_FALSE(GameSections().HasInvasionSection);
}

TEST_F(GameSectionsTest, AppendsOnlyTheMissingSectionsWithTheirDefaults) {
    // Lacks Mutant only; the small-letter Invasion header is the player's Invasion section.
    LoadFile(
        ToCrLf("\n\n[Onslaught.ONSOnslaughtGame]\nGoalScore=5\n\n\n\n"
               "[UT2k4Assault.ASGameInfo]\nRoundLimit=\n; odd line\n"
               "[BonusPack.xLastManStandingGame]\n[skaarjpack.invasion]\nMaxLives=2\n"));
    FindGameTypeSections();
    FileError error;
    ASSERT_TRUE(WriteUT2004INIWithGameDefaults(&error)) << error.Message("write");
    const std::string want = ToCrLf(
        "\n[Onslaught.ONSOnslaughtGame]\nGoalScore=5\n\n"
        "[UT2k4Assault.ASGameInfo]\nRoundLimit=\n; odd line\n"
        "[BonusPack.xLastManStandingGame]\n[skaarjpack.invasion]\nMaxLives=2\n"
        "\n\n"
        "[BonusPack.xMutantGame]\n"
        "bEnableBottomFeeder=True\n"
        "NetWait=5\n"
        "bForceRespawn=False\n"
        "bAdjustSkill=False\n"
        "bAllowTaunts=True\n"
        "bAllowTrans=False\n"
        "SpawnProtectionTime=2\n"
        "LateEntryLives=1\n"
        "LoginMenuClass=GUI2K4.UT2K4PlayerLoginMenu\n"
        "bAllowPrivateChat=True\n"
        "bWeaponStay=True\n"
        "bAllowWeaponThrowing=True\n"
        "ResetTimeDelay=0\n"
        "GoalScore=20\n"
        "MaxLives=0\n"
        "TimeLimit=20\n"
        "\n\n");
    EXPECT_EQ(FileText(), want);

    // The store is untouched; the reread file holds all five, Invasion once.
    EXPECT_EQ(State().ut2004.Key(2), "[Onslaught.ONSOnslaughtGame]");
    const IniStore reread = Loaded(FileText());
    EXPECT_TRUE(AllPresent(FindGameTypeSections(reread)));
    EXPECT_FALSE(reread.FindKeyExact("[SkaarjPack.Invasion]").has_value());
}

TEST_F(GameSectionsTest, AllSectionsMissingComeInOrderFramedByEmptyLines) {
    LoadFile("[Engine.GameInfo]\r\nGoalScore=25");
    FindGameTypeSections();
    FileError error;
    ASSERT_TRUE(WriteUT2004INIWithGameDefaults(&error)) << error.Message("write");
    const std::string text = FileText();
    // The defaults as the game ships them, kept apart from the code's own table.
    const std::string want =
        test::ReadHostFile(test::OwnFixturesFolder() + "/game_sections/all_appended.ini");
    EXPECT_EQ(text, ToCrLf(want));
    EXPECT_NE(text.find("TimeLimit=20\r\n\r\n\r\n\r\n\r\n[UT2k4Assault.ASGameInfo]\r\n"),
              std::string::npos);  // four empty lines between two appended sections
}

TEST_F(GameSectionsTest, FileWithAllSectionsIsWrittenBackWithNothingAppended) {
    LoadFile(
        ToCrLf("\n\n\n[Onslaught.ONSOnslaughtGame]\nGoalScore=3\n[UT2k4Assault.ASGameInfo]\n"
               "\n\n\n[BonusPack.xMutantGame]\nKey=\n[BonusPack.xLastManStandingGame]\n"
               "[SkaarjPack.Invasion]\nWaves[0]=(WaveMask=1)\n\n\n"));
    FindGameTypeSections();
    ASSERT_TRUE(AllPresent(GameSections()));
    ASSERT_TRUE(WriteUT2004INIWithGameDefaults());
    EXPECT_EQ(FileText(),
              ToCrLf("\n[Onslaught.ONSOnslaughtGame]\nGoalScore=3\n[UT2k4Assault.ASGameInfo]\n\n"
                     "[BonusPack.xMutantGame]\nKey=\n[BonusPack.xLastManStandingGame]\n"
                     "[SkaarjPack.Invasion]\nWaves[0]=(WaveMask=1)\n\n"));
}

TEST_F(GameSectionsTest, FailedWriteLeavesTheFileAndNamesIt) {
    const std::string original = "[Engine.GameInfo]\r\nGoalScore=25\r\n";
    LoadFile(original);
    FindGameTypeSections();
    const QString host = QString::fromStdString(prefix_.SystemFolder() + "/UT2004.ini");
    QFile::setPermissions(host, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    FileError error;
    EXPECT_FALSE(WriteUT2004INIWithGameDefaults(&error));
    EXPECT_EQ(error.file, "C:\\UT2004\\System\\UT2004.ini");
    EXPECT_FALSE(error.reason.empty());
    EXPECT_EQ(FileText(), original);

    // A missing INI folder is reported too, and nothing is made.
    State().iniFolder = "C:\\Kestrane\\Profiles\\Gone\\";
    EXPECT_FALSE(WriteUT2004INIWithGameDefaults(&error));
    EXPECT_EQ(error.file, "C:\\Kestrane\\Profiles\\Gone\\UT2004.ini");
    QFile::setPermissions(host, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(GameSectionsTest, RealFilesKeepTheirLinesAndGainWhatTheyLack) {
    const auto files = test::RealUt2004Inis();
    if (files.empty()) GTEST_SKIP() << "real fixtures folder absent";
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        const std::string original = ToCrLf(test::ReadHostFile(path));
        LoadFile(original);
        const IniStore before = State().ut2004;
        FindGameTypeSections();
        ASSERT_TRUE(WriteUT2004INIWithGameDefaults());
        const std::string text = FileText();
        // The rows come first, exactly as the store's own writer gives them.
        EXPECT_EQ(text.substr(0, WriteIniText(before).size()), WriteIniText(before));
        EXPECT_TRUE(AllPresent(FindGameTypeSections(Loaded(text))));
    }
}

TEST_F(GameSectionsTest, ShippedTemplateLacksTheSectionsAndGainsThemAll) {
    const std::string path = test::BuiltProgramFolder() + "/Profiles/Default/UT2004.ini";
    if (!QFile::exists(QString::fromStdString(path))) GTEST_SKIP() << "no built program folder";
    const std::string text = test::ReadHostFile(path);
    EXPECT_EQ(ToCrLf(text), text) << "every line ends in CR LF";
    LoadFile(text);
    FindGameTypeSections();
    const GameSectionFlags& f = GameSections();
    EXPECT_FALSE(f.HasOnslaughtSection || f.HasAssaultSection || f.HasMutantSection ||
                 f.HasLastManStandingSection || f.HasInvasionSection);
    ASSERT_TRUE(WriteUT2004INIWithGameDefaults());
    EXPECT_TRUE(AllPresent(FindGameTypeSections(Loaded(FileText()))));
}

}  // namespace
}  // namespace kestrane
