#include "platform/key_codes.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

struct QtKeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

// Synthesized events (QTest, offscreen) carry no native data: the Qt key decides.
TEST(KeyCodes, SynthesizedEventsMapByQtKey) {
    const QtKeyCase cases[] = {
        {Qt::Key_A, {}, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, {}, 48},
        {Qt::Key_9, {}, 57},
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_F1, {}, 112},
        {Qt::Key_F24, {}, 135},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Control, {}, 17},
        {Qt::Key_Alt, {}, 18},
        {Qt::Key_Left, {}, 37},
        {Qt::Key_Up, {}, 38},
        {Qt::Key_Right, {}, 39},
        {Qt::Key_Down, {}, 40},
        {Qt::Key_Home, {}, 36},
        {Qt::Key_End, {}, 35},
        {Qt::Key_PageUp, {}, 33},
        {Qt::Key_PageDown, {}, 34},
        {Qt::Key_Insert, {}, 45},
        {Qt::Key_Delete, {}, 46},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Tab, {}, 9},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Backspace, {}, 8},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_Space, {}, 32},
        {Qt::Key_Pause, {}, 19},
        {Qt::Key_CapsLock, {}, 20},
        {Qt::Key_NumLock, {}, 144},
        {Qt::Key_ScrollLock, {}, 145},
        {Qt::Key_Print, {}, 44},
        {Qt::Key_Semicolon, {}, 186},
        {Qt::Key_Equal, {}, 187},
        {Qt::Key_Comma, {}, 188},
        {Qt::Key_Minus, {}, 189},
        {Qt::Key_Period, {}, 190},
        {Qt::Key_Slash, {}, 191},
        {Qt::Key_QuoteLeft, {}, 192},
        {Qt::Key_BracketLeft, {}, 219},
        {Qt::Key_Backslash, {}, 220},
        {Qt::Key_BracketRight, {}, 221},
        {Qt::Key_Apostrophe, {}, 222},
        // Shifted symbols name their key, as on a US keyboard.
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
        {Qt::Key_Asterisk, Qt::ShiftModifier, 56},
        {Qt::Key_Plus, Qt::ShiftModifier, 187},
        {Qt::Key_Colon, Qt::ShiftModifier, 186},
        {Qt::Key_QuoteDbl, Qt::ShiftModifier, 222},
        {Qt::Key_AsciiTilde, Qt::ShiftModifier, 192},
        {Qt::Key_unknown, {}, 0},
        {Qt::Key_VolumeUp, {}, 0},
    };
    for (const QtKeyCase& c : cases) {
        const QKeyEvent event(QEvent::KeyRelease, c.key, c.modifiers);
        EXPECT_EQ(platform::WindowsKeyCode(event), c.code) << "Qt key 0x" << std::hex << c.key;
    }
}

struct NativeCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;  // X keycode
    quint32 keysym;
    int code;
};

// Events from X11 or Wayland: the physical key decides, whatever Shift or the layout make of
// its symbol; letters follow the layout; the numeric pad follows NumLock.
TEST(KeyCodes, NativeEventsMapByThePhysicalKey) {
    const NativeCase cases[] = {
        {"1", Qt::Key_1, {}, 10, 0x31, 49},
        {"Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, 10, 0x21, 49},
        {"Shift+0", Qt::Key_ParenRight, Qt::ShiftModifier, 19, 0x29, 48},
        {"Shift+;", Qt::Key_Colon, Qt::ShiftModifier, 47, 0x3a, 186},
        {"Shift+'", Qt::Key_QuoteDbl, Qt::ShiftModifier, 48, 0x22, 222},
        {"`", Qt::Key_QuoteLeft, {}, 49, 0x60, 192},
        {"\\", Qt::Key_Backslash, {}, 51, 0x5c, 220},
        {"Shift+a", Qt::Key_A, Qt::ShiftModifier, 38, 0x41, 65},
        // German layout: the key Z sits where a US keyboard has Y.
        {"German z", Qt::Key_Z, {}, 29, 0x7a, 90},
        {"German Shift+7 (/)", Qt::Key_Slash, Qt::ShiftModifier, 16, 0x2f, 55},
        {"German sharp s", Qt::Key_ssharp, {}, 20, 0xdf, 189},
        {"Russian a (Cyrillic ef)", static_cast<Qt::Key>(0x0444), {}, 38, 0x6c6, 65},
        {"Left Shift", Qt::Key_Shift, Qt::ShiftModifier, 50, 0xffe1, 16},
        {"Right Shift", Qt::Key_Shift, Qt::ShiftModifier, 62, 0xffe2, 16},
        {"Right Ctrl", Qt::Key_Control, Qt::ControlModifier, 105, 0xffe4, 17},
        {"AltGr", Qt::Key_AltGr, {}, 108, 0xfe03, 18},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, 23, 0xfe20, 9},
        {"F12", Qt::Key_F12, {}, 96, 0xffc9, 123},
        {"Pause", Qt::Key_Pause, {}, 127, 0xff13, 19},
        {"KP 1 with NumLock", Qt::Key_1, Qt::KeypadModifier, 87, 0xffb1, 97},
        {"KP 1 without NumLock", Qt::Key_End, Qt::KeypadModifier, 87, 0xff9c, 35},
        {"KP period", Qt::Key_Period, Qt::KeypadModifier, 91, 0xffae, 110},
        {"KP Enter", Qt::Key_Enter, Qt::KeypadModifier, 104, 0xff8d, 13},
        {"KP *", Qt::Key_Asterisk, Qt::KeypadModifier, 63, 0xffaa, 106},
        {"Space", Qt::Key_Space, {}, 65, 0x20, 32},
        {"Print", Qt::Key_Print, {}, 107, 0xff61, 44},
    };
    for (const NativeCase& c : cases) {
        const QKeyEvent event(QEvent::KeyRelease, c.key, c.modifiers, c.scanCode, c.keysym, 0);
        EXPECT_EQ(platform::WindowsKeyCode(event), c.code) << c.what;
    }
}

TEST(MouseButtons, LeftRightMiddleOnly) {
    EXPECT_EQ(platform::WindowsMouseButton(Qt::LeftButton), 1);
    EXPECT_EQ(platform::WindowsMouseButton(Qt::RightButton), 2);
    EXPECT_EQ(platform::WindowsMouseButton(Qt::MiddleButton), 4);
    // The side buttons raise no button event on Windows: a capture must not bind them.
    EXPECT_EQ(platform::WindowsMouseButton(Qt::XButton1), 0);
    EXPECT_EQ(platform::WindowsMouseButton(Qt::XButton2), 0);
    EXPECT_EQ(platform::WindowsMouseButton(Qt::NoButton), 0);
}

}  // namespace
