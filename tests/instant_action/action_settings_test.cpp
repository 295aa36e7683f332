#include "editor/instant_action/action_settings.h"

#include <gtest/gtest.h>

#include <map>

#include "editor/instant_action/game_types.h"
#include "editor/instant_action/option_rows.h"
#include "editor/instant_action/option_rules.h"
#include "editor/store/ini_writer.h"
#include "tests/player/locale_guard.h"

namespace kestrane {
namespace {

IniStore Loaded(const std::string& text) {
    IniStore store;
    store.Load(text);
    return store;
}

// Every option of every game type in its own section, each with a value of its own, between
// lines the window does not know.
std::string AllSectionsIni() {
    std::string text = "[Engine.GameInfo]\r\nbForceRespawn=True\r\nGoalScore=99\r\n\r\n";
    for (int frame = 0; frame < kOptionFrames; ++frame) {
        text += std::string(OptionFrameTable()[static_cast<size_t>(frame)].section) + "\r\n";
        text += "Unknown=kept\r\n";
        for (const OptionRow& row : OptionRowTable()) {
            if (row.frame != frame) continue;
            const std::string value = row.kind == OptionKind::CheckBox
                                          ? (row.index % 3 == 0   ? "true"
                                             : row.index % 3 == 1 ? "False"
                                                                  : "TRUE")
                                          : std::to_string(row.index + 1) + ".500000";
            text += std::string(row.key) + "=" + value + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

std::string LineValue(const IniStore& store, const OptionRow& row) {
    const auto line = OptionLine(store, row);
    return line ? store.Value(*line) : "<none>";
}

TEST(ActionSettings, EveryOptionOfEveryGameTypeRoundTripsThroughTheStore) {
    test::LocaleGuard locale('.', ',');
    const std::string original = AllSectionsIni();
    IniStore store = Loaded(original);
    const OptionValues loaded = ReadActionSettings(store);
    for (const OptionRow& row : OptionRowTable()) {
        const auto i = static_cast<size_t>(row.index);
        if (row.kind == OptionKind::CheckBox) {
            EXPECT_EQ(loaded.checks[i], row.index % 3 != 1) << row.key << " " << row.index;
        } else {
            EXPECT_EQ(loaded.texts[i], std::to_string(row.index + 1) + ".5") << row.key;
        }
    }

    // Untouched: the file comes back byte for byte, "true" and "1.500000" included.
    StoreInstantActionSettings(store, loaded, loaded);
    EXPECT_EQ(WriteIniText(store), original);

    // Every control changed: each line takes the control's value and nothing else changes.
    OptionValues edited = loaded;
    for (auto&& c : edited.checks) c = !c;
    for (const OptionRow& row : OptionRowTable()) {
        if (row.kind == OptionKind::NumberBox) {
            edited.texts[static_cast<size_t>(row.index)] = std::to_string(row.index + 200);
        }
    }
    StoreInstantActionSettings(store, edited, loaded);
    for (const OptionRow& row : OptionRowTable()) {
        const auto i = static_cast<size_t>(row.index);
        const std::string expected = row.kind == OptionKind::CheckBox
                                         ? (edited.checks[i] ? "True" : "False")
                                         : edited.texts[i];
        EXPECT_EQ(LineValue(store, row), expected) << row.key << " " << row.index;
    }
    const IniStore written = Loaded(WriteIniText(store));
    EXPECT_EQ(GetVal(written, "Unknown"), "kept");
    EXPECT_EQ(GetVal2(written, "GoalScore", "[Engine.GameInfo]"), "99");
    EXPECT_EQ(GetVal2(written, "bForceRespawn", "[Engine.GameInfo]"), "True");
    EXPECT_EQ(written.RowCount(), Loaded(original).RowCount());
    EXPECT_EQ(ReadActionSettings(written), edited);
}

TEST(ActionSettings, RowsReadAndStoreOnlyInsideTheirOwnSection) {
    const std::string text =
        "[xgame.xctfgame]\r\nMAXTEAMSIZE=8\r\n"    // header and key in other letter cases
        "[XGame.xDeathMatch]\r\nTimeLimit=20\r\n"  // no GoalScore here...
        "[XGame.xTeamGame]\r\nGoalScore=60\r\n"    // ...but one in the next section
        "[XGame.xDoubleDom]\r\nOther=1\r\n[XGame.xDoubleDom]\r\nTimeToScore=7\r\n";
    IniStore store = Loaded(text);
    const OptionValues loaded = ReadActionSettings(store);
    EXPECT_EQ(loaded.texts[17], "8");   // CTF Max Team Size
    EXPECT_EQ(loaded.texts[19], "20");  // DeathMatch Time Limit
    EXPECT_EQ(loaded.texts[21], "");    // DeathMatch Score Limit: not Team DeathMatch's
    EXPECT_EQ(loaded.texts[29], "60");  // Team DeathMatch Score Limit
    EXPECT_EQ(loaded.texts[37], "7");   // from the second Double Domination header

    OptionValues edited = loaded;
    edited.texts[17] = "9";
    edited.texts[21] = "30";
    edited.texts[37] = "4";
    StoreInstantActionSettings(store, edited, loaded);
    EXPECT_EQ(WriteIniText(store),
              WriteIniText(Loaded(
                  "[xgame.xctfgame]\r\nMAXTEAMSIZE=9\r\n[XGame.xDeathMatch]\r\nTimeLimit=20\r\n"
                  "[XGame.xTeamGame]\r\nGoalScore=60\r\n[XGame.xDoubleDom]\r\nOther=1\r\n"
                  "[XGame.xDoubleDom]\r\nTimeToScore=4\r\n")));
}

TEST(ActionSettings, ValuesAsTheControlsShowThem) {
    test::LocaleGuard locale('.', ',');
    EXPECT_TRUE(CheckedFromValue("True"));
    EXPECT_TRUE(CheckedFromValue("true"));
    EXPECT_TRUE(CheckedFromValue("TRUE"));
    for (const char* off : {"1", "yes", "True.", "", " True"})
        EXPECT_FALSE(CheckedFromValue(off)) << off;

    // The number as the file holds it: trailing zeros go, no other digit does; a text that is
    // no plain number stays whole.
    const std::pair<const char*, const char*> shown[] = {
        {"0.600000", "0.6"},
        {"20", "20"},
        {"0.333333", "0.333333"},
        {"99.99", "99.99"},
        {"", ""},
        {"abc", "abc"},
        {"12345", "12345"},
        {"-2", "-2"},
        {"3.0", "3"},
        {"600.99", "600.99"},
        {"123456789012345678901234567890", "123456789012345678901234567890"},
        {"1e400", "1e400"},
        {"&H10", "&H10"},
        {"7x", "7x"},
        {" 5", " 5"}};
    for (const auto& [value, text] : shown) EXPECT_EQ(ShownNumber(value), text) << value;
}

// The game reads "." only, so the boxes show and write it under any locale.
TEST(ActionSettings, ACommaLocaleShowsThePointFormAndKeepsTheFilesText) {
    test::LocaleGuard locale(',', '.');
    IniStore store = Loaded("[XGame.xCTFGame]\r\nFriendlyFireScale=0.600000\r\n");
    const OptionValues loaded = ReadActionSettings(store);
    EXPECT_EQ(loaded.texts[18], "0.6");
    StoreInstantActionSettings(store, loaded, loaded);  // untouched: the file's own text stays
    EXPECT_EQ(store.Value(1), "0.600000");
}

// Boxes that run the change rules on every change of text, nested, as text boxes do.
class FakeBoxes : public OptionBoxes {
  public:
    std::string Text(int box) const override {
        const auto it = texts.find(box);
        return it == texts.end() ? std::string() : it->second;
    }
    void SetText(int box, const std::string& text) override {
        if (Text(box) == text) return;
        texts[box] = text;
        OptionBoxChanged(*this, box);
    }
    void BotsChanged() override { ++botsChanges; }

    std::map<int, std::string> texts;
    int botsChanges = 0;
};

TEST(OptionRules, WavesZeroAndBots) {
    struct Case {
        std::map<int, std::string> before;
        int box;
        const char* typed;
        const char* expected;  // the typed box afterwards
    };
    const Case cases[] = {
        {{{49, "0"}}, 50, "20", "16"},
        {{{49, "10"}}, 50, "3", "10"},
        {{{50, "8"}}, 49, "12", "8"},
        {{{50, "8"}}, 49, "5", "5"},
        {{{49, "0"}}, 50, "16", "16"},
        {{{3, "5"}}, 3, "", "0"},
        {{}, 3, "-3", "0"},
        {{}, 3, "abc", "0"},
        {{}, 3, "7x", "7x"},
        {{}, 3, "0.25", "0.25"},
        {{{57, "5"}}, 57, "", "0"},
    };
    for (const Case& c : cases) {
        FakeBoxes boxes;
        boxes.texts = c.before;
        boxes.SetText(c.box, c.typed);
        EXPECT_EQ(boxes.Text(c.box), c.expected) << c.box << " " << c.typed;
    }
    FakeBoxes bots;
    bots.SetText(kBotsBox, "7");
    EXPECT_EQ(bots.botsChanges, 1);
    bots.SetText(3, "7");
    EXPECT_EQ(bots.botsChanges, 1);
}

TEST(OptionRules, SteppersChangeOnlyNumbers) {
    test::LocaleGuard locale('.', ',');
    EXPECT_EQ(SteppedText("5", 1), "6");
    EXPECT_EQ(SteppedText("0", -1), "-1");  // the zero rule then makes it "0"
    EXPECT_EQ(SteppedText("0.5", 1), "1.5");
    EXPECT_EQ(SteppedText("7x", 1), std::nullopt);
    EXPECT_EQ(SteppedText("", -1), std::nullopt);
    EXPECT_EQ(SteppedText("1e400", 1), std::nullopt);
}

// A whole-number option steps in whole numbers the game's 32-bit integer holds, never into
// exponent form ("1.23456789012346E+39", which the game reads as about 1).
TEST(OptionRules, WholeNumberOptionsStepAsIntegers) {
    test::LocaleGuard locale('.', ',');
    const struct {
        const char* text;
        double delta;
        std::optional<std::string> expected;
    } cases[] = {
        {"20", 1, "21"},
        {"2.6", 1, "4"},  // 3.6 to the nearest whole number
        {"2147483646", 1, "2147483647"},
        {"2147483647", 1, "2147483647"},
        {"-2147483648", -1, "-2147483648"},
        {"2147483648", -1, std::nullopt},
        {"1234567890123456789012345678901234567890", 1, std::nullopt},
        {"1e40", -1, std::nullopt},
        {"0x10", 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SteppedText(c.text, c.delta, true), c.expected) << c.text;
    }
}

// The files write the decimal options with a fraction ("FriendlyFireScale=0.500000",
// "SpawnProtectionTime=2.000000", "CampThreshold=400.000000") and the counts, scores and times
// bare ("GoalScore=25", "TimeLimit=20", "MaxLives=0", "TimeToScore=10").
TEST(OptionRules, WholeNumberOptionsAreTheCountsScoresAndTimes) {
    const struct {
        std::string_view key;
        bool whole;
    } keys[] = {
        {"FriendlyFireScale", false}, {"SpawnProtectionTime", false},
        {"CampThreshold", false},     {"GoalScore", true},
        {"TimeLimit", true},          {"MaxLives", true},
        {"MaxTeamSize", true},        {"TimeToScore", true},
        {"ResetTimeDelay", true},     {"InitialWave", true},
        {"FinalWave", true},
    };
    for (const auto& k : keys) {
        int seen = 0;
        for (const OptionRow& row : OptionRowTable()) {
            if (row.kind != OptionKind::NumberBox || row.key != k.key) continue;
            ++seen;
            EXPECT_EQ(IsWholeNumberOption(row.index), k.whole) << k.key << " " << row.index;
        }
        EXPECT_GT(seen, 0) << k.key;
    }
    EXPECT_TRUE(IsWholeNumberOption(kBotsBox));
}

}  // namespace
}  // namespace kestrane
