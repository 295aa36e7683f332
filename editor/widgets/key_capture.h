// Key-binding capture on the bind boxes: a box that gets the focus unbinds the key it showed
// and waits ("???"); the next key released or mouse button pressed over it is bound there and
// taken out of every other box. Window-free: the window forwards its boxes' events here.
#pragma once

#include <cstdint>

namespace kestrane {

class BindBoxes;

inline constexpr std::uint32_t kBindBoxBack = 192 + 256 * 192 + 65536 * 255;
inline constexpr std::uint32_t kBindBoxCaptureBack = 128 + 256 * 128 + 65536 * 255;
inline constexpr std::uint32_t kBindBoxCaptureText = 128;
inline constexpr int kBindBoxCaptureFontSize = 10;

// Windows mouse button numbers.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

void tbx_Bind_GotFocus(int index, BindBoxes& binds);
// `keyCode`: the released key's virtual-key code; a code without a game name empties the box.
void tbx_Bind_KeyUp(int index, int keyCode, BindBoxes& binds);
// `button`: 1 left, 2 right, 4 middle; binds only while the box captures.
void tbx_Bind_MouseDown(int index, int button, BindBoxes& binds);
void tbx_Bind_LostFocus(int index, BindBoxes& binds);

}  // namespace kestrane
