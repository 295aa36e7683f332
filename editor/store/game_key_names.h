// The game's input key names by key code: virtual-key codes for the keyboard, the platform's
// button numbers for the mouse, and the game's own codes for further buttons and axes.
#pragma once

#include <string_view>

namespace kestrane {

// Empty for a code without a name and for any code outside 0 to 254. Names are case-sensitive.
std::string_view KeyCodeToName(int keyCode);

}  // namespace kestrane
