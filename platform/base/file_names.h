// The names a file may be given in the game's folders: ones Windows can hold, so that the game
// under Wine finds the file under the name it was written with, and none this program keeps
// for its own temporary copies.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Why a file or folder cannot bear this path's name, empty when it can: a control character
// (NUL included) or one of < > : " | ? *, which Windows refuses in names, or a component named
// like a temporary copy, which the next start deletes. "\" and "/" are separators between the
// components, not refused here (a path that climbs out of its folder is refused elsewhere).
std::string NameRefusal(std::string_view path);

// The text with every control character written out (<NUL>, <0x1F>), so that a message shows
// it whole.
std::string VisibleName(std::string_view text);

}  // namespace platform
