// Capturing keys and mouse buttons in the bind boxes of the real window, through to the saved
// User.ini.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "editor/binding/bind_commands.h"
#include "editor/binding/settings_walks.h"
#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "tests/keys/bind_window.h"

namespace kestrane {
namespace {

using test::BindWindowTest;
using test::kForwardBox;
using test::kJumpBox;

QColor Back(QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}
QColor Fore(QLineEdit* box) {
    return box->palette().color(QPalette::Text);
}

TEST_F(BindWindowTest, AKeyMovesToItsNewCommandAndTheOldKeyIsUnboundOnSave) {
    Open();
    ASSERT_EQ(Text(kForwardBox), "Up");
    ASSERT_EQ(Text(kForwardBox + 1), "W");
    ASSERT_EQ(Text(kJumpBox), "Space");

    Click(kForwardBox + 1);
    // The focus alone unbinds W, before any key; the click that focused binds nothing.
    EXPECT_EQ(StoreValue("W"), "");
    QLineEdit* box = Box(kForwardBox + 1);
    EXPECT_EQ(Text(kForwardBox + 1), "???");
    EXPECT_EQ(box->font().pointSize(), 10);
    EXPECT_EQ(Back(box), QColor(128, 128, 255));
    EXPECT_EQ(Fore(box), QColor(128, 0, 0));

    NativeKey(kForwardBox + 1, Qt::Key_Space, {}, 65, 0x20);  // Space as xcb reports it
    EXPECT_EQ(Text(kForwardBox + 1), "Space");
    EXPECT_EQ(Text(kJumpBox), "");  // a key stands in one box only
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(box->font().pointSize(), 7);
    EXPECT_EQ(Back(box), QColor(192, 192, 255));
    EXPECT_EQ(Fore(box), QApplication::palette(box).color(QPalette::Text));

    Trigger("frmFileSave");
    EXPECT_EQ(SavedLine("Space"), "Space=MoveForward");
    EXPECT_EQ(SavedLine("W"), "W=");
    EXPECT_EQ(SavedLine("Up"), "Up=MoveForward");
    EXPECT_EQ(SavedLine("NumPad8"), "NumPad8=MoveForward");  // a third key stays bound
}

// The colours are worked out for the first box and handed on: each box starts in them.
TEST_F(BindWindowTest, EveryBoxStartsInTheBindColours) {
    Open();
    for (int i = 0; i < kBindBoxCount; ++i) {
        QLineEdit* box = Box(i);
        EXPECT_EQ(Back(box), QColor(192, 192, 255)) << i;
        EXPECT_EQ(Fore(box), QApplication::palette(box).color(QPalette::Text)) << i;
    }
}

struct KeyCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 keycode = 0;  // X keycode and keysym; 0: a synthesized event without native data
    quint32 keysym = 0;
    const char* name;
};

// Each key, pressed into the Forward box, shows as the game names it; Escape, Tab and Enter
// are keys like any other, and a key without a game name empties the box.
TEST_F(BindWindowTest, KeysBindUnderTheirGameNames) {
    const KeyCase cases[] = {
        {"A", Qt::Key_A, {}, 0, 0, "A"},
        {"I (the table's lower-case i)", Qt::Key_I, {}, 0, 0, "i"},
        {"Escape", Qt::Key_Escape, {}, 0, 0, "Escape"},
        {"Tab", Qt::Key_Tab, {}, 0, 0, "Tab"},
        {"Enter", Qt::Key_Return, {}, 0, 0, "Enter"},
        {"Shift", Qt::Key_Shift, Qt::ShiftModifier, 0, 0, "Shift"},
        {"Ctrl", Qt::Key_Control, Qt::ControlModifier, 0, 0, "Ctrl"},
        {"Alt", Qt::Key_Alt, Qt::AltModifier, 0, 0, "Alt"},
        {"F12", Qt::Key_F12, {}, 0, 0, "F12"},
        {"pad period", Qt::Key_Period, Qt::KeypadModifier, 0, 0, "NumPadPeriod"},
        {"Super (no game name)", Qt::Key_Super_L, {}, 0, 0, ""},
        {"volume (no virtual key)", Qt::Key_VolumeUp, {}, 0, 0, ""},
        {"xcb Shift_L", Qt::Key_Shift, Qt::ShiftModifier, 50, 0xffe1, "Shift"},
        {"xcb Shift_R", Qt::Key_Shift, Qt::ShiftModifier, 62, 0xffe2, "Shift"},
        {"xcb Control_L", Qt::Key_Control, Qt::ControlModifier, 37, 0xffe3, "Ctrl"},
        {"xcb Control_R", Qt::Key_Control, Qt::ControlModifier, 105, 0xffe4, "Ctrl"},
        {"xcb Alt_L", Qt::Key_Alt, Qt::AltModifier, 64, 0xffe9, "Alt"},
        {"xcb AltGr", Qt::Key_AltGr, {}, 108, 0xfe03, "Alt"},
        {"xcb Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, 10, 0x21, "1"},
        {"xcb i", Qt::Key_I, {}, 31, 0x69, "i"},
        {"xcb Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, 23, 0xfe20, "Tab"},
        {"xcb pad Delete", Qt::Key_Delete, Qt::KeypadModifier, 91, 0xff9f, "Delete"},
        {"xcb pad 8", Qt::Key_8, Qt::KeypadModifier, 80, 0xffb8, "NumPad8"},
        {"xcb Super_L", Qt::Key_Super_L, {}, 133, 0xffeb, ""},
        {"xcb volume up", Qt::Key_VolumeUp, {}, 123, 0x1008ff13, ""},
    };
    Open();
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        Click(kForwardBox);
        ASSERT_EQ(Text(kForwardBox), "???");
        if (c.keycode) {
            NativeKey(kForwardBox, c.key, c.modifiers, c.keycode, c.keysym);
        } else {
            QTest::keyClick(Box(kForwardBox), c.key, c.modifiers);
        }
        EXPECT_EQ(Text(kForwardBox), c.name);
        EXPECT_FALSE(Box(kForwardBox)->hasFocus());
        EXPECT_EQ(Text(kForwardBox + 1), "W");  // Tab did not move on into the next box
    }
}

TEST_F(BindWindowTest, MenuShortcutsAreKeysWhileABoxCaptures) {
    Open();
    Click(kForwardBox);
    QTest::keyClick(Box(kForwardBox), Qt::Key_S, Qt::ControlModifier);  // File > Save's key
    EXPECT_EQ(Text(kForwardBox), "S");
    EXPECT_EQ(SystemFile("User.ini"), test::kBindUserIni);  // nothing was saved
    EXPECT_EQ(Text(10), "");                                // MoveBackward gave S up
}

TEST_F(BindWindowTest, MouseButtonsBindOnlyWhileABoxCaptures) {
    Open();
    Click(kForwardBox, Qt::MiddleButton);  // focuses: binds nothing
    EXPECT_EQ(Text(kForwardBox), "???");
    Click(kForwardBox, Qt::MiddleButton);
    EXPECT_EQ(Text(kForwardBox), "MiddleMouse");
    EXPECT_EQ(Box(kForwardBox)->font().pointSize(), 6);  // 11 characters

    Click(kForwardBox);
    Click(kForwardBox, Qt::XButton1);  // no Windows button event
    EXPECT_EQ(Text(kForwardBox), "???");
    Click(kForwardBox, Qt::LeftButton);
    EXPECT_EQ(Text(kForwardBox), "LeftMouse");
    EXPECT_EQ(Text(test::kFireBox), "");

    Click(kForwardBox + 1);
    Click(kForwardBox + 1, Qt::RightButton);
    EXPECT_EQ(Text(kForwardBox + 1), "RightMouse");
    EXPECT_EQ(Text(test::kAltFireBox), "");

    Trigger("frmFileSave");
    EXPECT_EQ(SavedLine("LeftMouse"), "LeftMouse=MoveForward");
    EXPECT_EQ(SavedLine("RightMouse"), "RightMouse=MoveForward");
    EXPECT_EQ(SavedLine("MiddleMouse"), "MiddleMouse=");
    EXPECT_EQ(SavedLine("Up"), "Up=");
    EXPECT_EQ(SavedLine("W"), "W=");
}

// A box holding RightMouse does not capture: a click keeps it, a key replaces it.
TEST_F(BindWindowTest, RightMouseStaysUntilAKeyIsPressed) {
    Open();
    ASSERT_EQ(Text(test::kAltFireBox), "RightMouse");
    Click(test::kAltFireBox, Qt::RightButton);
    QLineEdit* box = Box(test::kAltFireBox);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(Text(test::kAltFireBox), "RightMouse");
    EXPECT_EQ(Back(box), QColor(192, 192, 255));
    EXPECT_EQ(StoreValue("RightMouse"), "");  // unbound all the same
    Click(test::kAltFireBox, Qt::LeftButton);
    EXPECT_EQ(Text(test::kAltFireBox), "RightMouse");
    QTest::keyClick(box, Qt::Key_E);
    EXPECT_EQ(Text(test::kAltFireBox), "E");
    Trigger("frmFileSave");
    EXPECT_EQ(SavedLine("E"), "E=AltFire");
    EXPECT_EQ(SavedLine("RightMouse"), "RightMouse=");
}

TEST_F(BindWindowTest, LeavingACapturingBoxRestoresItsKey) {
    Open();
    Click(kForwardBox);
    Click(kForwardBox + 1);  // the focus moves on without a key
    EXPECT_EQ(Text(kForwardBox), "Up");
    EXPECT_EQ(Box(kForwardBox)->font().pointSize(), 7);
    EXPECT_EQ(Back(Box(kForwardBox)), QColor(192, 192, 255));
    Box(kForwardBox + 1)->clearFocus();
    EXPECT_EQ(Text(kForwardBox + 1), "W");
    // Both keys were unbound at the focus; the save binds them again from the boxes.
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), test::kBindUserIni);
}

// A menu taken while a box waits leaves it waiting; a save then keeps the key it showed.
TEST_F(BindWindowTest, ASaveWhileABoxWaitsKeepsItsKey) {
    Open();
    Click(kJumpBox);
    ASSERT_EQ(Text(kJumpBox), "???");
    ASSERT_EQ(StoreValue("Space"), "");
    Trigger("frmFileSave");
    EXPECT_EQ(SavedLine("Space"), "Space=Jump");
}

// A key held down before the capture began binds nothing when it comes up.
TEST_F(BindWindowTest, OnlyAKeyPressedDuringTheCaptureIsBound) {
    Open();
    Click(kForwardBox);
    QTest::keyRelease(Box(kForwardBox), Qt::Key_Tab);
    EXPECT_EQ(Text(kForwardBox), "???");
    QTest::keyClick(Box(kForwardBox), Qt::Key_Tab);
    EXPECT_EQ(Text(kForwardBox), "Tab");
    EXPECT_EQ(Text(test::kScoresBox), "");
}

// Only the player starts a capture: a page change or the window coming to the front may move
// the focus, but never into a bind box.
TEST_F(BindWindowTest, ThePagesHandOnNoCapture) {
    Open(test::kBindUserIni, "player");
    EXPECT_EQ(Text(0), "j");
    EXPECT_EQ(StoreValue("j"), "Taunt pthrust");

    INI& window = MainWindow();
    window.ShowTab("binds");
    Click(kForwardBox);
    window.ShowTab("comm");
    EXPECT_EQ(Text(kForwardBox), "Up");
    for (int box : {108, 109, 128}) EXPECT_NE(Text(box), "???") << box;
    EXPECT_EQ(StoreValue("I"), "ToggleTeamChat");
}

TEST_F(BindWindowTest, AKeyWithoutANameUnbindsTheColumn) {
    Open();
    Click(kForwardBox + 1);
    QTest::keyClick(Box(kForwardBox + 1), Qt::Key_Super_L);
    EXPECT_EQ(Text(kForwardBox + 1), "");
    EXPECT_EQ(Text(kForwardBox), "Up");  // other boxes keep their keys
    Trigger("frmFileSave");
    EXPECT_EQ(SavedLine("W"), "W=");
    EXPECT_EQ(SavedLine("Up"), "Up=MoveForward");
}

// The game writes "I" where the key table says "i": the capture and the save still find the
// key's line, so the binding moves instead of being dropped.
TEST_F(BindWindowTest, AKeyNameInOtherLetterCaseFindsItsLine) {
    Open();
    ASSERT_EQ(Text(test::kTeamChatBox), "I");
    Click(kForwardBox);
    QTest::keyClick(Box(kForwardBox), Qt::Key_I);
    EXPECT_EQ(Text(kForwardBox), "i");
    EXPECT_EQ(Text(test::kTeamChatBox), "");
    Trigger("frmFileSave");
    EXPECT_EQ(SavedLine("I"), "I=MoveForward");
    EXPECT_EQ(SavedLine("Up"), "Up=");

    // Focusing the box that shows "i" unbinds the line "I".
    Click(kForwardBox);
    EXPECT_EQ(StoreValue("I"), "");
}

// A reload shows what the file binds, also the key captured last.
TEST_F(BindWindowTest, AReloadShowsEveryBindingOfTheFile) {
    Open();
    Click(kForwardBox);
    NativeKey(kForwardBox, Qt::Key_Space, {}, 65, 0x20);
    ASSERT_EQ(Text(kJumpBox), "");
    BindingContext ctx = MainWindow().Binding();
    ASSERT_FALSE(Load_INI_Form(ctx));
    EXPECT_EQ(Text(kJumpBox), "Space");
    EXPECT_EQ(Text(kForwardBox), "Up");
}

}  // namespace
}  // namespace kestrane
