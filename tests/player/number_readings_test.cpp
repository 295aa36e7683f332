#include "editor/store/number_readings.h"

#include <gtest/gtest.h>

#include "editor/binding/value_forms.h"
#include "editor/store/leading_number.h"
#include "tests/player/locale_guard.h"

namespace kestrane {
namespace {

using test::LocaleGuard;

struct NumericCase {
    const char* text;
    bool numeric;
    double value;  // the locale number when numeric
};

TEST(NumberReadings, NumericTestAndLocaleNumberWithAPoint) {
    const LocaleGuard locale('.', ',');
    const NumericCase cases[] = {
        {"5", true, 5},        {" 12 ", true, 12}, {"-3", true, -3},    {"+2", true, 2},
        {"0.", true, 0},       {".5", true, 0.5},  {"1e3", true, 1000}, {"2.5E-1", true, 0.25},
        {"1,000", true, 1000}, {"1,5", true, 15},  {"", false, 0},      {"   ", false, 0},
        {"-", false, 0},       {".", false, 0},    {"1.2.3", false, 0}, {"12a", false, 0},
        {"1e", false, 0},      {",5", false, 0},   {"1,,0", false, 0},  {"&H10", false, 0},
    };
    for (const NumericCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumericText(c.text), c.numeric);
        if (c.numeric) {
            EXPECT_DOUBLE_EQ(LocaleNumber(c.text), c.value);
        }
    }
}

TEST(NumberReadings, NumericTestAndLocaleNumberWithAComma) {
    const LocaleGuard locale(',', '.');
    const NumericCase cases[] = {
        // "." reads as a decimal point too (the fields write it), so it groups no digits.
        {"0,5", true, 0.5}, {"1.000", true, 1},  {"1.000,25", false, 0},
        {"0.6", true, 0.6}, {",", false, 0},     {"1,2,3", false, 0},
    };
    for (const NumericCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumericText(c.text), c.numeric);
        if (c.numeric) {
            EXPECT_DOUBLE_EQ(LocaleNumber(c.text), c.value);
        }
    }
    // Values from the files keep reading with their point; the user's own comma reads too.
    EXPECT_DOUBLE_EQ(FieldNumber("0.6"), 0.6);
    EXPECT_DOUBLE_EQ(FieldNumber("0,6"), 0.6);
}

TEST(NumberReadings, LeadingNumberIgnoresTheLocale) {
    const LocaleGuard locale(',', '.');
    EXPECT_DOUBLE_EQ(LeadingNumber("0.25"), 0.25);
    EXPECT_DOUBLE_EQ(LeadingNumber("2,5"), 2);
    EXPECT_DOUBLE_EQ(LeadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("+1.5e2"), 150);
    EXPECT_DOUBLE_EQ(LeadingNumber("-0.5"), -0.5);
    EXPECT_EQ(ShortestNumberText(0.75), "0.75");  // the files' form, whatever the locale
}

TEST(NumberReadings, NumberAndIntegerTexts) {
    {
        const LocaleGuard locale('.', ',');
        EXPECT_EQ(NumberText(1), "1");
        EXPECT_EQ(NumberText(0.5), "0.5");
        EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
        EXPECT_EQ(NumberText(0.7 + 0.1), "0.8");
        EXPECT_EQ(NumberText(0.5 - 0.1), "0.4");
        EXPECT_EQ(NumberText(-2.5), "-2.5");
        EXPECT_EQ(NumberText(1234567), "1234567");
        EXPECT_EQ(NumberText(0), "0");
        EXPECT_EQ(BoundText(255), "255");
        EXPECT_EQ(BoundText(0.25), "0.25");
        EXPECT_EQ(IntegerText(-9), "-9");
    }
    const LocaleGuard comma(',', '.');
    // What the fields write goes into the files, which the game reads with "." only.
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(1000.5), "1000.5");  // no grouping
}

}  // namespace
}  // namespace kestrane
