#include <gtest/gtest.h>

#include "editor/binding/binding_row.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/name_tables.h"
#include "editor/binding/value_forms.h"
#include "tests/support/fake_controls.h"

namespace kestrane {
namespace {

IniStore Loaded(const std::string& text) {
    IniStore s;
    s.Load(text);
    return s;
}

TEST(KeySearches, ExactAndTellAMissingKeyFromLineZero) {
    const IniStore s = Loaded("Name=a\r\n[S]\r\nname=b\r\nX=1\r\n[T]\r\nY=2\r\n[S]\r\nY=3\r\n");
    EXPECT_EQ(FindKey(s, "Name"), 0u);
    EXPECT_EQ(FindKey(s, "NAME"), std::nullopt);
    EXPECT_EQ(FindKey(s, ""), std::nullopt);  // an empty box names no line
    EXPECT_EQ(FindKeyInSection(s, "X", "[S]"), 3u);
    EXPECT_EQ(FindKeyInSection(s, "Y", "[T]"), 5u);
    // Not in the first [S]; found in its second occurrence.
    EXPECT_EQ(FindKeyInSection(s, "Y", "[S]"), 7u);
    EXPECT_EQ(FindKeyInSection(s, "X", "[T]"), std::nullopt);  // only in an earlier section
    EXPECT_EQ(FindKeyInSection(s, "X", "[s]"), std::nullopt);
}

TEST(KeySearches, AKeyOnlyInALaterSectionIsAbsentOnSave) {
    const IniStore s = Loaded("[A]\r\nOther=1\r\n[B]\r\nKey=2\r\n");
    EXPECT_EQ(GetVal2(s, "Key", "[A]"), "2");  // the load reads on past the header
    EXPECT_EQ(FindKeyInSection(s, "Key", "[A]"), std::nullopt);
}

struct CheckCase {
    Form form;
    const char* value;
    int loaded;
    const char* saved;
};

TEST(ValueForms, CheckFormsLoadAndSave) {
    const CheckCase cases[] = {
        {Form::Flag, "True", 1, "True"},
        {Form::Flag, "true", 1, "True"},
        {Form::Flag, "1", 0, "False"},
        {Form::Flag, "", 0, "False"},
        {Form::FlagUnlessFalse, "FALSE", 0, "False"},
        {Form::FlagUnlessFalse, "", 1, "True"},
        {Form::Flag10Zero, "0", 0, "0"},
        {Form::Flag10Zero, "", 1, "1"},
        {Form::Flag10One, "1", 1, "1"},
        {Form::Flag10One, "True", 0, "0"},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.value);
        const int loaded = LoadCheck(c.form, c.value);
        EXPECT_EQ(loaded, c.loaded);
        EXPECT_EQ(SaveCheck(c.form, loaded), c.saved);
    }
}

TEST(ValueForms, TextForms) {
    EXPECT_EQ(LoadText(Form::Text, " as is "), " as is ");
    EXPECT_EQ(LoadText(Form::TextLeft, "abcdef", 3), "abcdef");  // no number to cut
    EXPECT_EQ(LoadText(Form::TextLeft, "ab", 3), "ab");
    EXPECT_EQ(LoadText(Form::Number4, "0.75"), "0.75");
    EXPECT_EQ(LoadText(Form::Number4, "0.123456"), "0.123456");
    EXPECT_EQ(LoadText(Form::Number4, ""), "");
    EXPECT_EQ(LoadText(Form::Number4, "90.000000"), "90");
    EXPECT_EQ(LoadText(Form::Number4, "12.5abc"), "12.5abc");
    EXPECT_EQ(ShortestNumberText(1e20), "1E+20");
    EXPECT_EQ(ShortestNumberText(-0.5), "-0.5");
    EXPECT_EQ(ColourText("30", "20", "10"), "(B=10,G=20,R=30,A=255)");
}

TEST(BindingRows, LoadAndSaveThroughTheControls) {
    ResetState();
    State().user.Load("[P]\r\nName=Me\r\nbOn=true\r\n[C]\r\nCol=(B=10,G=20,R=30,A=7)\r\n");
    test::FakeControls controls;
    BindingContext ctx{State(), controls};
    const BindingRow rows[] = {
        {IniFile::User, "Name", "", {"tbx_Name"}, Form::Text},
        {IniFile::User, "bOn", "[P]", {"c_On"}, Form::Flag},
        {IniFile::User, "Missing", "", {"c_Missing"}, Form::Flag},
        {IniFile::User, "Col", "[C]", {"colour", 3}, Form::Colour},
    };
    for (const auto& row : rows) LoadRow(ctx, row);
    EXPECT_EQ(controls.Text({"tbx_Name"}), "Me");
    EXPECT_EQ(controls.Value({"c_On"}), 1);
    EXPECT_EQ(controls.Text({"txb_IRC_Red", 3}), "30");
    EXPECT_EQ((controls.colors[{"tbx_IRCColor", 3}]), 30u + 256u * 20u + 65536u * 10u);

    const size_t rowsBefore = State().user.RowCount();
    controls.SetText({"tbx_Name"}, "You");
    controls.SetValue({"c_Missing"}, 1);
    for (const auto& row : rows) SaveRow(ctx, row);
    EXPECT_EQ(GetVal(State().user, "Name"), "You");
    EXPECT_EQ(GetVal(State().user, "bOn"), "True");
    EXPECT_EQ(GetVal(State().user, "Col"), "(B=10,G=20,R=30,A=7)");  // untouched: as read
    EXPECT_EQ(State().user.RowCount(), rowsBefore);  // no line added for the missing key
}

TEST(NameTables, ExactComparisons) {
    EXPECT_EQ(GetWeaponSection("Redeemer"), "[XWeapons.Redeemer]");
    EXPECT_EQ(GetWeaponSection("redeemer"), "");
    EXPECT_EQ(GetCrosshairTexture("Avril Track"), "ONSInterface-TX.avrilRETICLEtrack");
    EXPECT_EQ(GetCrosshairTexture(""), "");
    EXPECT_EQ(GetCrosshairTexture("avril"), "");
}

}  // namespace
}  // namespace kestrane
