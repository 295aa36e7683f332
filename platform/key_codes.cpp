#include "platform/key_codes.h"

#include <QKeyEvent>
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace platform {
namespace {

struct KeyPair {
    uint32_t from;
    int code;
};

// Keys whose X keysym does not depend on Shift or the layout; the numeric pad follows
// NumLock, as on Windows (KP_End is End, KP_1 is NumPad1). Sorted by keysym.
constexpr auto kKeysyms = std::to_array<KeyPair>({
    {0xfe03, 18},  // ISO_Level3_Shift (AltGr)
    {0xfe20, 9},   // ISO_Left_Tab (Shift+Tab)
    {0xff08, 8},   {0xff09, 9},   {0xff0b, 12},  {0xff0d, 13},  {0xff13, 19},  {0xff14, 145},
    {0xff15, 44},  {0xff1b, 27},  {0xff50, 36},  {0xff51, 37},  {0xff52, 38},  {0xff53, 39},
    {0xff54, 40},  {0xff55, 33},  {0xff56, 34},  {0xff57, 35},  {0xff58, 12},  {0xff60, 41},
    {0xff61, 44},  {0xff62, 43},  {0xff63, 45},  {0xff67, 93},  {0xff69, 3},   {0xff6a, 47},
    {0xff6b, 3},  // Break (Ctrl+Pause)
    {0xff7f, 144}, {0xff80, 32},  {0xff89, 9},   {0xff8d, 13},  {0xff95, 36},  {0xff96, 37},
    {0xff97, 38},  {0xff98, 39},  {0xff99, 40},  {0xff9a, 33},  {0xff9b, 34},  {0xff9c, 35},
    {0xff9d, 12},  {0xff9e, 45},  {0xff9f, 46},  {0xffaa, 106}, {0xffab, 107}, {0xffac, 108},
    {0xffad, 109}, {0xffae, 110}, {0xffaf, 111}, {0xffb0, 96},  {0xffb1, 97},  {0xffb2, 98},
    {0xffb3, 99},  {0xffb4, 100}, {0xffb5, 101}, {0xffb6, 102}, {0xffb7, 103}, {0xffb8, 104},
    {0xffb9, 105}, {0xffbe, 112}, {0xffbf, 113}, {0xffc0, 114}, {0xffc1, 115}, {0xffc2, 116},
    {0xffc3, 117}, {0xffc4, 118}, {0xffc5, 119}, {0xffc6, 120}, {0xffc7, 121}, {0xffc8, 122},
    {0xffc9, 123}, {0xffca, 124}, {0xffcb, 125}, {0xffcc, 126}, {0xffcd, 127}, {0xffce, 128},
    {0xffcf, 129}, {0xffd0, 130}, {0xffd1, 131}, {0xffd2, 132}, {0xffd3, 133}, {0xffd4, 134},
    {0xffd5, 135}, {0xffe1, 16},  {0xffe2, 16},  {0xffe3, 17},  {0xffe4, 17},  {0xffe5, 20},
    {0xffe6, 20},  {0xffe7, 18},  {0xffe8, 18},  {0xffe9, 18},  {0xffea, 18},  {0xffeb, 91},
    {0xffec, 92},  {0xffff, 46},
});

// The typing block by X keycode (evdev code + 8), named as on a US layout, so that the
// shifted symbol of a key maps to the key itself. Sorted by keycode.
constexpr auto kScanCodes = std::to_array<KeyPair>({
    {10, 49},  {11, 50},  {12, 51},  {13, 52},  {14, 53},  {15, 54},  {16, 55},  {17, 56},
    {18, 57},  {19, 48},  {20, 189}, {21, 187}, {24, 81},  {25, 87},  {26, 69},  {27, 82},
    {28, 84},  {29, 89},  {30, 85},  {31, 73},  {32, 79},  {33, 80},  {34, 219}, {35, 221},
    {38, 65},  {39, 83},  {40, 68},  {41, 70},  {42, 71},  {43, 72},  {44, 74},  {45, 75},
    {46, 76},  {47, 186}, {48, 222}, {49, 192}, {51, 220}, {52, 90},  {53, 88},  {54, 67},
    {55, 86},  {56, 66},  {57, 78},  {58, 77},  {59, 188}, {60, 190}, {61, 191}, {65, 32},
    {94, 226},  // the extra key of ISO keyboards
});

// Qt keys of events without native data; shifted symbols as a US keyboard makes them.
constexpr auto kQtKeys = std::to_array<KeyPair>({
    {Qt::Key_Space, 32},       {Qt::Key_Exclam, 49},
    {Qt::Key_QuoteDbl, 222},   {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},
    {Qt::Key_Ampersand, 55},   {Qt::Key_Apostrophe, 222},
    {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},
    {Qt::Key_Asterisk, 56},    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},      {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},     {Qt::Key_Slash, 191},
    {Qt::Key_Colon, 186},      {Qt::Key_Semicolon, 186},
    {Qt::Key_Less, 188},       {Qt::Key_Equal, 187},
    {Qt::Key_Greater, 190},    {Qt::Key_Question, 191},
    {Qt::Key_At, 50},          {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},  {Qt::Key_BracketRight, 221},
    {Qt::Key_AsciiCircum, 54}, {Qt::Key_Underscore, 189},
    {Qt::Key_QuoteLeft, 192},  {Qt::Key_BraceLeft, 219},
    {Qt::Key_Bar, 220},        {Qt::Key_BraceRight, 221},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_Escape, 27},
    {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Backspace, 8},    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Pause, 19},
    {Qt::Key_Print, 44},       {Qt::Key_SysReq, 44},
    {Qt::Key_Clear, 12},       {Qt::Key_Home, 36},
    {Qt::Key_End, 35},         {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},     {Qt::Key_Meta, 91},
    {Qt::Key_Alt, 18},         {Qt::Key_AltGr, 18},
    {Qt::Key_CapsLock, 20},    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},
    {Qt::Key_Help, 47},        {Qt::Key_Select, 41},
    {Qt::Key_Execute, 43},     {Qt::Key_Cancel, 3},
});

// Keys of the numeric pad that differ from their main-block twins.
constexpr auto kQtKeypadKeys = std::to_array<KeyPair>({
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},
    {Qt::Key_Slash, 111},
});

int Find(std::span<const KeyPair> table, uint32_t from) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [from](const KeyPair& p) { return p.from == from; });
    return it == table.end() ? 0 : it->code;
}

int FindSorted(std::span<const KeyPair> table, uint32_t from) {
    const auto it = std::lower_bound(table.begin(), table.end(), from,
                                     [](const KeyPair& p, uint32_t v) { return p.from < v; });
    return it != table.end() && it->from == from ? it->code : 0;
}

constexpr bool IsSorted(std::span<const KeyPair> table) {
    for (size_t i = 1; i < table.size(); ++i) {
        if (table[i - 1].from >= table[i].from) return false;
    }
    return true;
}
static_assert(IsSorted(kKeysyms) && IsSorted(kScanCodes));

}  // namespace

int WindowsKeyCode(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const uint32_t k = static_cast<uint32_t>(key);
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + static_cast<int>(k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (keypad ? 96 : 48) + static_cast<int>(k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + static_cast<int>(k - Qt::Key_F1);
    if (keypad) {
        if (const int code = Find(kQtKeypadKeys, k)) return code;
    }
    return Find(kQtKeys, k);
}

int WindowsKeyCode(const QKeyEvent& event) {
    const uint32_t keysym = event.nativeVirtualKey();
    if (const int code = FindSorted(kKeysyms, keysym)) return code;
    // Letters follow the layout, as Windows' letter codes do.
    if ((keysym >= 'a' && keysym <= 'z') || (keysym >= 'A' && keysym <= 'Z')) {
        return 65 + static_cast<int>((keysym | 0x20) - 'a');
    }
    if (const int code = FindSorted(kScanCodes, event.nativeScanCode())) return code;
    return WindowsKeyCode(static_cast<Qt::Key>(event.key()), event.modifiers());
}

int WindowsMouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace platform
