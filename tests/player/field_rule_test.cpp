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

}  // namespace
}  // namespace kestrane
