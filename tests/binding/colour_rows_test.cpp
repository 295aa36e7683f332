// The colour rows through the binding walks: a colour the player left alone is written back
// as read, an edited one changes only the edited channel's number.
#include <gtest/gtest.h>

#include "editor/binding/areas.h"
#include "editor/binding/binding_form.h"
#include "editor/binding/untouched.h"
#include "editor/store/program_state.h"
#include "tests/support/fake_controls.h"

namespace kestrane {
namespace {

constexpr const char* kUser =
    "[XGame.xPlayer]\r\nIRCTextColor=(B=0,G=128,R=255,A=255)\r\n"
    "IRCNickColor=( R=1 , G=2 , B=3 , A=77 )\r\n"
    "IRCActionColor=(B=12.5,G=13.5,R=0,A=255)\r\n"
    "IRCInfoColor=(B=-20,G=300,R=40,A=128)\r\n"
    "IRCLinkColor=(B=1,G=2)\r\n"
    "[XWeapons.Redeemer]\r\nCustomCrossHairColor=(B=1,G=1,R=1,A=10)\r\n"
    "[XWeapons.Painter]\r\nCustomCrossHairColor=(B=2,G=2,R=2,A=20)\r\n";

class ColourRows : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetState();
        State().user.Load(kUser);
        ForgetShown(ctx);
        for (const BindingRow& row : ColoursArea().rows) LoadRow(ctx, row);
        RecordShown(ctx);
    }
    std::string Saved(const char* key, const char* section = nullptr) {
        for (const BindingRow& row : ColoursArea().rows) SaveRow(ctx, row);
        return section ? GetVal2(State().user, key, section) : GetVal(State().user, key);
    }
    std::string Red(int set) { return controls.Text({"txb_IRC_Red", set}); }

    test::FakeControls controls;
    BindingContext ctx{State(), controls};
};

TEST_F(ColourRows, UntouchedColoursAreWrittenBackAsRead) {
    EXPECT_EQ(Red(0), "255");
    EXPECT_EQ(controls.Text({"txb_IRC_Blue", 1}), "3");      // by letter, not position
    EXPECT_EQ(controls.Text({"txb_IRC_Green", 2}), "13.5");  // the file's text
    for (const BindingRow& row : ColoursArea().rows) SaveRow(ctx, row);
    for (size_t r = 0; r < State().user.RowCount(); ++r) {
        EXPECT_EQ(State().user.Value(r), State().user.LoadedValue(r)) << State().user.Key(r);
    }
}

// A channel shows the file's own text, however far out of range; the preview paints what the
// game reads of it, and a save with no edit keeps the line.
TEST(ColourChannels, ShowTheFilesTextAndPaintWhatTheGameReads) {
    const struct {
        const char* value;
        std::array<const char*, 3> shown;  // red, green, blue
        std::uint32_t paint;
    } cases[] = {
        {"(B=0,G=0,R=99999999999,A=255)", {"99999999999", "0", "0"}, 255},
        {"(B=0,G=0,R=12.5,A=255)", {"12.5", "0", "0"}, 12},
        {"(B=7,G=abc,R=1,A=255)", {"1", "abc", "7"}, 1 + 65536 * 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ResetState();
        State().user.Load(std::string("[XGame.xPlayer]\r\nIRCTextColor=") + c.value + "\r\n");
        test::FakeControls controls;
        BindingContext ctx{State(), controls};
        ForgetShown(ctx);
        for (const BindingRow& row : ColoursArea().rows) LoadRow(ctx, row);
        RecordShown(ctx);
        EXPECT_EQ(controls.Text({"txb_IRC_Red", 0}), c.shown[0]);
        EXPECT_EQ(controls.Text({"txb_IRC_Green", 0}), c.shown[1]);
        EXPECT_EQ(controls.Text({"txb_IRC_Blue", 0}), c.shown[2]);
        EXPECT_EQ((controls.colors[{"tbx_IRCColor", 0}]), c.paint);
        for (const BindingRow& row : ColoursArea().rows) SaveRow(ctx, row);
        EXPECT_EQ(GetVal(State().user, "IRCTextColor"), c.value);
    }
}

TEST_F(ColourRows, AnEditedChannelChangesOnlyItsNumber) {
    controls.SetText({"txb_IRC_Green", 1}, "200");
    controls.SetText({"txb_IRC_Red", 4}, "9");
    controls.SetText({"txb_IRC_Blue", 10}, "250");
    EXPECT_EQ(Saved("IRCNickColor"), "( R=1 , G=200 , B=3 , A=77 )");
    EXPECT_EQ(GetVal(State().user, "IRCLinkColor"), "(B=1,G=2,R=9,A=255)");
    // Each crosshair colour keeps to its own weapon's line.
    EXPECT_EQ(GetVal2(State().user, "CustomCrossHairColor", "[XWeapons.Redeemer]"),
              "(B=1,G=1,R=1,A=10)");
    EXPECT_EQ(GetVal2(State().user, "CustomCrossHairColor", "[XWeapons.Painter]"),
              "(B=250,G=2,R=2,A=20)");
    EXPECT_EQ(GetVal(State().user, "IRCTextColor"), "(B=0,G=128,R=255,A=255)");
}

TEST_F(ColourRows, ChannelsBeyondTheRangePaintClampedAndKeepTheirText) {
    // The fake boxes hold the numbers as read; the preview paints them held to 0..255.
    EXPECT_EQ((controls.colors[{"tbx_IRCColor", 3}]), 40u + 256u * 255u + 65536u * 0u);
    controls.SetText({"txb_IRC_Red", 3}, "41");
    EXPECT_EQ(Saved("IRCInfoColor"), "(B=-20,G=300,R=41,A=128)");
}

}  // namespace
}  // namespace kestrane
