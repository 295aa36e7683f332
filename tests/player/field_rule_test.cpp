#include "editor/widgets/field_rule.h"

#include <gtest/gtest.h>

#include "editor/windows/tabs/field_tables.h"
#include "tests/player/locale_guard.h"

namespace kestrane {
namespace {

using test::LocaleGuard;

struct ChangeCase {
    int index;
    const char* saved;
    const char* text;
    const char* left;
};

TEST(CommFieldRule, EditsRevertOrClampToTheBounds) {
    const LocaleGuard locale('.', ',');
    const ChangeCase cases[] = {
        {0, "5", "5a", "5"},
        {0, "5", "", "5"},
        {0, "", "-", ""},
        {0, "", ".", ""},
        {0, "4", "0.", "0"},
        {0, "4", "9.0", "9"},
        {0, "4", "-3", "0"},
        {0, "4", "12", "9"},
        {0, "4", "1,5", "1,5"},
        {3, "", "1.5", "1"},
        {4, "", "1,000", "255"},
        {4, "", "255.0", "255"},
        {4, "", "300", "255"},
        {5, "", "5", "5"},
        {5, "", "9.5", "9"},
        {6, "", "12", "8"},
        {8, "", "4.5", "4"},
        {9, "", "-5", "0"},
        {9, "", "70000", "70000"},
        {12, "", "-1", "-1"},
        {12, "", "x", ""},
        // One remembered text serves every field: the text put back is checked in turn.
        {0, "500", "", "9"},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " '" + c.text + "'");
        const FieldRow& entry = kCommFields[static_cast<size_t>(c.index)];
        EXPECT_EQ(TextAfterChange(c.text, c.saved, entry.rule), c.left);
    }
}

struct StepCase {
    int index;
    const char* start;
    bool up;
    std::vector<const char*> presses;  // the text after each press
};

TEST(CommFieldRule, SteppersStepAndStopAtTheTighterLimit) {
    const LocaleGuard locale('.', ',');
    const StepCase cases[] = {
        {0, "", true, {"1", "2"}},
        {0, "", false, {"0"}},
        {0, "8", true, {"9", "9"}},
        {5, "5", true, {"1", "1"}},
        {6, "7", true, {"8", "8"}},
        {8, "3", true, {"4", "4"}},
        {3, "0.9", true, {"1", "1"}},
        {3, "0.1", false, {"0", "0"}},
        {4, "250", true, {"255", "255"}},
        {9, "", true, {"100", "200", "300"}},
        {11, "500", false, {"0"}},
        {12, "0", true, {"0.2", "0.4", "0.6", "0.8", "1", "1.2", "1.4", "1.6", "1.8", "2", "2"}},
        {12, "-1", false, {"0"}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " from '" + c.start + "'");
        const FieldRow& entry = kCommFields[static_cast<size_t>(c.index)];
        std::string text = c.start;
        for (const char* expected : c.presses) {
            text = c.up ? TextAfterStepUp(text, "", entry.rule, entry.steps)
                        : TextAfterStepDown(text, "", entry.rule, entry.steps);
            EXPECT_EQ(text, expected);
        }
    }
}

TEST(ViewFieldRule, StepsStopAtTheFieldsBounds) {
    const LocaleGuard locale('.', ',');
    const FieldRow& fov = kViewFields[1].field;
    EXPECT_EQ(TextAfterStepUp("178", "", fov.rule, fov.steps), "180");
    EXPECT_EQ(TextAfterStepDown("3", "", fov.rule, fov.steps), "0");
    const FieldRow& bob = kViewFields[0].field;
    EXPECT_EQ(TextAfterStepUp("0.999", "", bob.rule, bob.steps), "1");
    EXPECT_EQ(TextAfterStepDown("0.0005", "", bob.rule, bob.steps), "0");
    EXPECT_EQ(TextAfterChange("90.0", "", fov.rule), "90.0");
}

// A step counts only from a text that is one plain number (or empty): any other text is left
// alone with a reason, and a number past a double's range stops at the bound on its side.
TEST(FieldRule, StepsFromTextsThatAreNoPlainNumber) {
    const LocaleGuard locale('.', ',');
    const FieldRow& gamma = kVideoFields[0];     // 0 to 2.5, down stops at 0
    const FieldRow& fov = kViewFields[1].field;  // 0 to 180
    const FieldRow& eax = kVideoFields[22];      // no bounds, down stops at 0
    const FieldRow& hudScale = kCommFields[5];   // 0 to 9, up stops at 1
    const FieldRow& opacity = kCommFields[4];
    const struct {
        const FieldRow* field;
        const char* text;
        bool up;
        const char* left;  // nullptr: refused, the text stays
    } cases[] = {
        {&gamma, "&H10", true, nullptr},    {&gamma, "0x10", true, nullptr},
        {&gamma, "nan", false, nullptr},    {&gamma, "inf", true, nullptr},
        {&gamma, "abc", true, nullptr},     {&gamma, "1.5x", true, nullptr},
        {&opacity, "1,000", true, nullptr}, {&gamma, "1e400", true, "2.5"},
        {&gamma, "1e400", false, "2.5"},    {&gamma, "-1e400", true, "0"},
        {&gamma, "-1e400", false, "0"},     {&fov, "1e400", true, "180"},
        {&fov, "1e400", false, "180"},      {&eax, "1e400", true, nullptr},
        {&eax, "1e400", false, nullptr},    {&eax, "-1e400", false, "0"},
        {&hudScale, "1e400", true, "1"},    {&hudScale, "1e400", false, "9"},
        {&gamma, "", true, "0.1"},          {&gamma, " 0.5 ", true, "0.6"},
        {&gamma, "1E-400", true, "0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.up ? " up" : " down"));
        const FieldRow& f = *c.field;
        const auto refusal = StepRefusal(c.text, f.rule, f.steps, c.up);
        if (!c.left) {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_NE(refusal->find(std::string("\"") + c.text + "\""), std::string::npos)
                << *refusal;
            continue;
        }
        EXPECT_FALSE(refusal.has_value()) << *refusal;
        EXPECT_EQ(c.up ? TextAfterStepUp(c.text, "", f.rule, f.steps)
                       : TextAfterStepDown(c.text, "", f.rule, f.steps),
                  c.left);
    }
    // Under a comma locale its decimal separator reads as the point.
    const LocaleGuard comma(',', '.');
    EXPECT_FALSE(StepRefusal("0,5", gamma.rule, gamma.steps, true));
    EXPECT_EQ(TextAfterStepUp("0,5", "", gamma.rule, gamma.steps), "0.6");
}

// The rule's other forms, as the mouse fields use them: the upper bound first, then the zero
// rule, which also acts on a text put back.
TEST(FieldRule, UpperFirstAndZeroRule) {
    const LocaleGuard locale('.', ',');
    FieldRule radar;
    radar.lower = 0.1;
    radar.upper = 0.5;
    radar.upperFirst = true;
    radar.zeroRule = true;
    EXPECT_EQ(TextAfterChange("0.05", "", radar), "0.1");
    EXPECT_EQ(TextAfterChange("0.7", "", radar), "0.5");
    EXPECT_EQ(TextAfterChange("x", "", radar), "0.1");  // "" -> "0" -> the lower bound
    FieldRule open;
    open.zeroRule = true;
    EXPECT_EQ(TextAfterChange("x", "", open), "0");
    EXPECT_EQ(TextAfterChange("x", "0.5", open), "0.5");
}

TEST(CommFieldRule, ACommaLocaleReadsItsSeparatorAndWritesAPoint) {
    const LocaleGuard locale(',', '.');
    const FieldRow& ambient = kCommFields[3];
    std::string text = "0";
    for (const char* expected : {"0.1", "0.2", "0.3"}) {
        text = TextAfterStepUp(text, "", ambient.rule, ambient.steps);
        EXPECT_EQ(text, expected);
    }
    EXPECT_EQ(TextAfterStepUp("0,9", "", ambient.rule, ambient.steps), "1");
    EXPECT_EQ(TextAfterChange("0,5", "", ambient.rule), "0.5");  // the game reads only "."
    EXPECT_EQ(TextAfterChange("0.6", "", ambient.rule), "0.6");  // as the file wrote it
    EXPECT_EQ(TextAfterChange("1,5", "", ambient.rule), "1");
}

// A number typed key by key: each key runs the typing rule on the text so far, and leaving the
// field runs the whole rule. Typing a value gives that value, or its bound when it lies outside.
struct TypedCase {
    const FieldRow* field;
    const char* saved;  // the text the field had when it got the focus
    const char* typed;
    const char* whileTyped;  // after the last key
    const char* left;        // once the player leaves the field
};

TEST(FieldRule, ANumberTypedKeyByKeyEndsAsTypedOrAtItsBound) {
    const LocaleGuard locale('.', ',');
    const FieldRow& hudScale = kCommFields[5];      // 0 to 9
    const FieldRow& ambient = kCommFields[3];       // 0 to 1
    const FieldRow& speech = kCommFields[0];        // 0 to 9
    const FieldRow& opacity = kCommFields[4];       // 0 to 255, upper by the locale number
    const FieldRow& ping = kCommFields[9];          // lower 0 only
    const FieldRow& bob = kViewFields[0].field;     // 0 to 1
    const FieldRow& fov = kViewFields[1].field;     // 0 to 180
    const FieldRow& radarScale = kMouseFields[0];   // 0.1 to 0.5, zero rule
    const FieldRow& smoothing = kMouseFields[1];    // to 1, zero rule
    const FieldRow& sensitivity = kMouseFields[2];  // 0.25 to 25, zero rule
    const FieldRow& sampling = kMouseFields[3];     // zero rule only
    const FieldRow& radarPosY = kMouseFields[7];    // to 0.73
    const FieldRow& gamma = kVideoFields[0];        // 0 to 2.5
    const FieldRow& brightness = kVideoFields[1];   // 0 to 1
    const FieldRow& music = kVideoFields[24];       // no bounds
    const TypedCase cases[] = {
        {&hudScale, "1", "0.7", "0.7", "0.7"},
        {&hudScale, "1", "0.05", "0.05", "0.05"},
        {&hudScale, "1", "0.", "0.", "0"},  // a number already: it reads 0, the lower bound
        {&hudScale, "1", "12", "9", "9"},
        {&ambient, "0.8", "0.5", "0.5", "0.5"},
        {&ambient, "0.8", "1.5", "1", "1"},
        {&speech, "4", "-", "-", "4"},  // no number yet: the remembered text comes back
        {&speech, "4", "", "", "4"},
        {&speech, "4", ".", ".", "4"},
        {&speech, "4", "-0.", "-0.", "0"},
        {&speech, "4", "1e", "1e", "4"},
        {&speech, "4", "1e-", "1e-", "4"},
        {&speech, "4", "1e5", "9", "9"},
        {&speech, "4", "5a", "4", "4"},
        {&opacity, "255", "300", "255", "255"},
        {&ping, "400", "-5", "-5", "0"},
        {&ping, "400", "-", "-", "400"},
        {&bob, "0.01", "0.5", "0.5", "0.5"},
        {&bob, "0.01", "0.0005", "0.0005", "0.0005"},
        {&bob, "0.01", "2", "1", "1"},
        {&fov, "90", "200", "180", "180"},
        {&fov, "90", "90.5", "90.5", "90.5"},
        {&smoothing, "0.3", "0.5", "0.5", "0.5"},
        {&smoothing, "0.3", "-", "-", "0.3"},
        {&smoothing, "", "-", "-", "0"},  // then the zero rule on the empty remembered text
        {&sensitivity, "3", "0.5", "0.5", "0.5"},
        {&sensitivity, "3", "0.1", "0.1", "0.25"},
        {&sensitivity, "3", "30", "25", "25"},
        {&sensitivity, "3", "15", "15", "15"},
        {&sampling, "0.008333", "0.5", "0.5", "0.5"},
        {&sampling, "0.008333", "0.058333", "0.058333", "0.058333"},
        {&radarScale, "0.3", "0.05", "0.05", "0.1"},
        {&radarScale, "0.3", "0.7", "0.5", "0.5"},
        {&radarScale, "0.3", "0.25", "0.25", "0.25"},
        {&radarPosY, "0.6", "0.75", "0.73", "0.73"},
        {&radarPosY, "0.6", "0.7", "0.7", "0.7"},
        {&gamma, "0.8", "0.5", "0.5", "0.5"},
        {&gamma, "0.8", "3", "2.5", "2.5"},
        {&gamma, "0.8", "-0.0", "-0.0", "0"},
        {&brightness, "0.8", "0.5", "0.5", "0.5"},
        {&music, "0.8", "0.5", "0.5", "0.5"},
        {&music, "0.8", "-", "-", "0.8"},
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(std::string(c.field->caption) + " typed '" + c.typed + "'");
        const FieldRule& rule = c.field->rule;
        std::string text;  // the field's text selected and typed over
        for (const char* key = c.typed; *key; ++key) {
            text = TextWhileTyping(text + *key, c.saved, rule);
        }
        EXPECT_EQ(text, c.whileTyped);
        EXPECT_EQ(TextAfterChange(text, c.saved, rule), c.left);
    }
    // Under a comma locale the typed separator becomes the point the game reads.
    const LocaleGuard comma(',', '.');
    std::string text;
    for (char key : std::string("0,5")) text = TextWhileTyping(text + key, "1", hudScale.rule);
    EXPECT_EQ(text, "0.5");
}

// A setting the game reads as a 32-bit signed whole number steps in whole numbers within that
// range, and a step from a number outside it is refused with the range named.
TEST(FieldRule, IntegerSettingsStepInWholeNumbers) {
    const LocaleGuard locale('.', ',');
    const FieldRow& internet = kCommFields[10];  // ConfiguredInternetSpeed, step 1000
    const FieldRow& lan = kCommFields[11];
    const FieldRow& channels = kVideoFields[23];
    const FieldRow& ping = kCommFields[9];  // a float in the game's files ("400.000000")
    const char* forty = "1234567890123456789012345678901234567890";
    for (const FieldRow* field : {&internet, &lan}) {
        for (bool up : {true, false}) {
            const auto refusal = StepRefusal(forty, field->rule, field->steps, up);
            ASSERT_TRUE(refusal.has_value());
            EXPECT_NE(refusal->find("2147483647"), std::string::npos) << *refusal;
        }
    }
    const struct {
        const FieldRow* field;
        const char* text;
        bool up;
        const char* left;
    } cases[] = {
        {&internet, "10000", true, "11000"},
        {&internet, "2147483000", true, "2147483647"},
        {&internet, "2147483647", true, "2147483647"},
        {&internet, "1500.5", true, "2500"},  // the nearest whole number, halves to even
        {&internet, "1E+4", true, "11000"},
        {&internet, "9636", false, "8636"},
        {&channels, "32", true, "33"},
        {&channels, "0.6", true, "2"},
        {&ping, "400.5", true, "500.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field->caption) + " " + c.text);
        const FieldRow& f = *c.field;
        EXPECT_FALSE(StepRefusal(c.text, f.rule, f.steps, c.up).has_value());
        EXPECT_EQ(c.up ? TextAfterStepUp(c.text, "", f.rule, f.steps)
                       : TextAfterStepDown(c.text, "", f.rule, f.steps),
                  c.left);
    }
}

}  // namespace
}  // namespace kestrane
