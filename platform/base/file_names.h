// The names a file may be given in the game's folders: ones Windows can hold, so that the game
// under Wine finds the file under the name it was written with, and none this program keeps
// for its own temporary copies.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Why a file or folder cannot bear this path's name, empty when it can: a control character
// (NUL included) or one of < > : " | ? *, which Windows refuses in names; a component that is
// a device to Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9, alone or with an extension, in any
// case) or ends in a dot or a blank, which Windows drops; or one named like a temporary copy,
// which the next start deletes. "\" and "/" are separators between the components, not
// refused here, and so are the steps "." and ".." (a path that climbs out of its folder is
// refused elsewhere).
std::string NameRefusal(std::string_view path);
// The same, quoting a component from `shown`: the path as the player reads it, component for
// component (decoded from an archive's own encoding).
std::string NameRefusal(std::string_view path, std::string_view shown);

// The text with every control character written out (<NUL>, <0x1F>), so that a message shows
// it whole.
std::string VisibleName(std::string_view text);

}  // namespace platform
