#include "editor/instant_action/command_line.h"

#include <gtest/gtest.h>

#include "editor/instant_action/game_types.h"

namespace kestrane {
namespace {

TEST(CommandLine, EachGameTypeWithBotsAndMutator) {
    struct Case {
        const char* type;
        const char* map;
        const char* bots;
        const char* difficulty;
        const char* mutator;  // nullptr: none chosen
        const char* expected;
    };
    const Case cases[] = {
        {"Assault", "AS-Convoy", "5", "Novice", nullptr,
         "AS-Convoy.ut2?Game=UT2k4Assault.ASGameInfo?Numbots=5?Difficulty=0"},
        {"OnSlaught", "ONS-Torlan", "12", "Godlike", "XGame.MutInstaGib",
         "ONS-Torlan.ut2?Game=Onslaught.ONSOnslaughtGame?Numbots=12?Difficulty=7"
         "?Mutator=XGame.MutInstaGib"},
        {"DeathMatch", "DM-Rankin", "0", "Average", "UnrealGame.MutLowGrav",
         "DM-Rankin.ut2?Game=XGame.xDeathMatch?Numbots=0?Difficulty=1"
         "?Mutator=UnrealGame.MutLowGrav"},
        {"capture the flag", "CTF-Face3", "7x", "Experienced", nullptr,
         "CTF-Face3.ut2?Game=XGame.xCTFGame?Numbots=7x?Difficulty=2"},
        {"Team DeathMatch", "DM-Deck17", "8", "Skilled", "XGame.MutVampire",
         "DM-Deck17.ut2?Game=XGame.xTeamGame?Numbots=8?Difficulty=3?Mutator=XGame.MutVampire"},
        {"Double Domination", "DOM-Access", "3", "Adept", nullptr,
         "DOM-Access.ut2?Game=XGame.xDoubleDom?Numbots=3?Difficulty=4"},
        {"Bombing Run", "BR-Anubis", "9", "Masterfull", "XWeapons.MutArena",
         "BR-Anubis.ut2?Game=XGame.xBombingRun?Numbots=9?Difficulty=5?Mutator=XWeapons.MutArena"},
        {"Mutant", "DM-Gael", "4", "Inhuman", nullptr,
         "DM-Gael.ut2?Game=BonusPack.xMutantGame?Numbots=4?Difficulty=6"},
        {"Invasion", "DM-Morpheus3", "2", "Novice", "BonusPack.MutCrateCombo",
         "DM-Morpheus3.ut2?Game=SkaarjPack.Invasion?Numbots=2?Difficulty=0"
         "?Mutator=BonusPack.MutCrateCombo"},
        {"Last Man Standing", "DM-Antalus", "6", "GODLIKE", nullptr,
         "DM-Antalus.ut2?Game=BonusPack.xLastManStandingGame?Numbots=6?Difficulty=7"},
        {"Assault", "", "5", "Novice", nullptr,
         ".ut2?Game=UT2k4Assault.ASGameInfo?Numbots=5?Difficulty=0"},
    };
    for (const Case& c : cases) {
        const GameTypeRow* type = FindGameType(c.type);
        ASSERT_NE(type, nullptr) << c.type;
        const auto skill = FindDifficulty(c.difficulty);
        ASSERT_TRUE(skill) << c.difficulty;
        const InstantChoices choices{
            c.map,  std::string(type->gameClass), c.bots,
            *skill, c.mutator != nullptr,         c.mutator ? c.mutator : "Left.Over"};
        EXPECT_EQ(CommandLineText(choices), c.expected) << c.type;
        if (*c.map) {
            EXPECT_EQ(CommandLineProblem(choices), std::nullopt) << c.type;
        }
    }
    EXPECT_EQ(FindGameType("Domination"), nullptr);
    EXPECT_EQ(FindDifficulty("Hard"), std::nullopt);
}

TEST(CommandLine, ValuesThatWouldBreakTheOptionsAreRefusedByName) {
    struct Case {
        InstantChoices choices;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {{"DM-My Map", "XGame.xDeathMatch", "5", 0, false, ""},
         "The map \"DM-My Map\" cannot go into the game's command line: it holds a blank."},
        {{"DM-A?Game=X", "XGame.xDeathMatch", "5", 0, false, ""},
         "The map \"DM-A?Game=X\" cannot go into the game's command line: it holds a \"?\"."},
        {{"DM-\"Q\"", "XGame.xDeathMatch", "5", 0, false, ""},
         "The map \"DM-\"Q\"\" cannot go into the game's command line: it holds a double quote."},
        {{"DM-Rankin", "XGame.xDeathMatch", "5=6", 0, false, ""},
         "The number of bots \"5=6\" cannot go into the game's command line: it holds an \"=\"."},
        // No map of the game type: the game would start on ".ut2".
        {{"", "UT2k4Assault.ASGameInfo", "5", 0, false, ""},
         "A map must be chosen before the game can start: the game's Maps folder holds no map "
         "of this game type. The game was not started."},
        {{"DM-Rankin", "XGame.xDeathMatch", "5", 0, true, "Foo.Mut\tBar"},
         "The mutator class \"Foo.Mut\tBar\" cannot go into the game's command line: it holds "
         "a control character."},
        // A cleared mutator is not sent, so its class does not matter.
        {{"DM-Rankin", "XGame.xDeathMatch", "5", 0, false, "Foo Bar"}, nullptr},
        {{"DM-Ranking-[1.1]", "XGame.xDeathMatch", "5", 0, false, ""}, nullptr},
    };
    for (const Case& c : cases) {
        const auto problem = CommandLineProblem(c.choices);
        if (c.message) {
            EXPECT_EQ(problem, std::optional<std::string>(c.message));
        } else {
            EXPECT_EQ(problem, std::nullopt) << *problem;
        }
    }
}

}  // namespace
}  // namespace kestrane
