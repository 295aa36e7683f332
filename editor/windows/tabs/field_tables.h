// The numeric fields of the main window's tabs: caption, change rule and steppers of each, by
// index. Other tabs add tables of their own for the same field rule.
#pragma once

#include <array>
#include <string_view>

#include "editor/widgets/field_rule.h"

namespace kestrane {

struct FieldRow {
    std::string_view caption;  // the label beside the field
    FieldRule rule;
    StepRule steps;
};

// tbx_Comm(0..27) with the b_Add / b_Sub buttons of the same index; 12 to 27 are the crosshair
// scales of the weapon frames.
extern const std::array<FieldRow, 28> kCommFields;

// tbx_Bob, tbx_FOV, tbx_FOV2 with b_P_Add / b_P_Sub 0 to 2.
struct ViewFieldRow {
    std::string_view name;
    FieldRow field;
};
extern const std::array<ViewFieldRow, 3> kViewFields;

// tbx_Mouse(0..13) with b_MouseAdd / b_MouseSub of the same index: upper bound before the
// lower one, then 0 or less becomes "0"; the up buttons have no cap.
extern const std::array<FieldRow, 14> kMouseFields;

// tbx_IRC(0..3): the names take any text, the two counts any number; no steppers.
extern const std::array<FieldRow, 4> kChatFields;

// Every red, green and blue box of the 25 colour sets, with its plus and minus buttons.
extern const FieldRow kColourChannel;

// tbx_video(0..33), and tbx_MinRefRate as index 34, with the b_VideoAdd / b_VideoSub buttons of
// the same index.
inline constexpr int kMinRefRateIndex = 34;
extern const std::array<FieldRow, 35> kVideoFields;

}  // namespace kestrane
