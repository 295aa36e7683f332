// The mouse, radar and objective fields: each field's bounds and steppers, and every field
// coming to rest in a locale whose decimal separator is a comma.
#include <gtest/gtest.h>

#include "editor/windows/tabs/field_tables.h"
#include "tests/player/locale_guard.h"

namespace kestrane {
namespace {

struct BoundsCase {
    int index;
    const char* typed;  // pasted whole into the field
    const char* shown;
};

TEST(MouseFields, EachFieldsBounds) {
    const test::LocaleGuard locale('.', ',');
    const BoundsCase cases[] = {
        {0, "0.05", "0.1"}, {0, "0.7", "0.5"},  {0, "0", "0.1"},   {0, "0.3", "0.3"},
        {1, "2", "1"},      {1, "-1", "0"},     {1, "0.5", "0.5"}, {2, "30", "25"},
        {2, "0.1", "0.25"}, {2, "25.0", "25"},  {3, "99", "99"},   {3, "-0.5", "0"},
        {4, "150", "100"},  {4, "-3", "0"},     {5, "5", "1"},     {6, "0.1", "0.2"},
        {6, "3", "1"},      {7, "0.9", "0.73"}, {7, "-1", "0"},    {8, "5000", "5000"},
        {8, "-1", "0"},     {9, "-1", "0"},     {9, "70", "70"},   {10, "1.5", "1"},
        {11, "9", "4"},     {12, "4", "4"},     {12, "-2", "0"},   {13, "1000", "255"},
        {13, "-5", "0"},    {13, "100", "100"},
    };
    for (const BoundsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << " typed " << c.typed);
        EXPECT_EQ(TextAfterChange(c.typed, "", kMouseFields.at(c.index).rule), c.shown);
    }
}

struct StepCase {
    int index;
    const char* from;
    bool up;
    const char* shown;
};

TEST(MouseFields, StepsStopAtTheFieldsEnds) {
    const test::LocaleGuard locale('.', ',');
    const StepCase cases[] = {
        {0, "0.1", false, "0.1"}, {0, "0.5", true, "0.5"},     {2, "0.3", false, "0.25"},
        {2, "25", true, "25"},    {3, "0.008", true, "0.009"}, {3, "0.001", false, "0"},
        {4, "0", false, "0"},     {4, "100", true, "100"},     {7, "0.7", true, "0.73"},
        {8, "0", false, "0"},     {8, "41", true, "42"},       {13, "100", true, "105"},
        {13, "253", true, "255"}, {13, "3", false, "0"},       {6, "0.2", false, "0.2"},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << " from " << c.from);
        const FieldRow& f = kMouseFields.at(c.index);
        EXPECT_EQ(c.up ? TextAfterStepUp(c.from, "", f.rule, f.steps)
                       : TextAfterStepDown(c.from, "", f.rule, f.steps),
                  c.shown);
    }
}

TEST(MouseFields, ANonNumericEditTakesTheRememberedTextThenTheZeroRule) {
    const FieldRule& sensitivity = kMouseFields[5].rule;
    EXPECT_EQ(TextAfterChange("x", "", sensitivity), "0");
    EXPECT_EQ(TextAfterChange("", "0.5", sensitivity), "0.5");
    EXPECT_EQ(TextAfterChange("x", "-4", sensitivity), "0");
}

// In a comma locale every field, whatever it is given, ends on a text the rule leaves alone,
// written with "." as the game reads it.
TEST(MouseFields, ACommaLocaleComesToRestOnEveryField) {
    const test::LocaleGuard locale(',', '.');
    const char* inputs[] = {"0,05", "0,1", "0,25", "0,5", "0,7", "0,73",  "1,5",
                            "0",    "-1",  "x",    "0.3", "30",  "1.000", ""};
    for (size_t i = 0; i < kMouseFields.size(); ++i) {
        const FieldRow& f = kMouseFields[i];
        for (const char* saved : {"", "0,2"}) {
            for (const char* in : inputs) {
                SCOPED_TRACE(testing::Message() << "index " << i << " input " << in);
                const std::string rest = TextAfterChange(in, saved, f.rule);
                EXPECT_EQ(TextAfterChange(rest, saved, f.rule), rest);
                EXPECT_EQ(rest.find(','), std::string::npos);
                for (const std::string& stepped :
                     {TextAfterStepUp(rest, saved, f.rule, f.steps),
                      TextAfterStepDown(rest, saved, f.rule, f.steps)}) {
                    EXPECT_EQ(TextAfterChange(stepped, saved, f.rule), stepped);
                    EXPECT_EQ(stepped.find(','), std::string::npos);
                }
            }
        }
    }
    // The bounds read the comma too.
    EXPECT_EQ(TextAfterChange("0,05", "", kMouseFields[0].rule), "0.1");
    EXPECT_EQ(TextAfterChange("0,3", "", kMouseFields[2].rule), "0.3");
    EXPECT_EQ(TextAfterStepDown("0,3", "", kMouseFields[2].rule, kMouseFields[2].steps), "0.25");
}

}  // namespace
}  // namespace kestrane
