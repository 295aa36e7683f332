// The 130 game-type options of the Instant Action window: each check box cbxAss(i) and number
// box tbx_Ass(i) bound to one key of its frame's UT2004.ini section.
#pragma once

#include <span>
#include <string_view>

namespace kestrane {

inline constexpr int kOptionCheckBoxes = 66;   // cbxAss(0) .. cbxAss(65)
inline constexpr int kOptionNumberBoxes = 65;  // tbx_Ass(0) .. tbx_Ass(64)
inline constexpr int kBotsBox = 57;            // tbx_Ass(57): the number of bots, no option
inline constexpr int kInitialWaveBox = 49;
inline constexpr int kFinalWaveBox = 50;

enum class OptionKind : bool { CheckBox, NumberBox };

struct OptionRow {
    int frame;  // also names the section: OptionFrameTable()[frame].section
    OptionKind kind;
    int index;  // into cbxAss or tbx_Ass
    std::string_view caption;
    std::string_view key;
};

// Frame by frame, 0 to 9, each in its own order.
std::span<const OptionRow> OptionRowTable();

}  // namespace kestrane
