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
