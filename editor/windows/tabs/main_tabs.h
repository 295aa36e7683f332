// The setting tabs of the main window's tab control, in their order. Later areas fill the
// pages by id.
#pragma once

#include <array>
#include <string_view>

namespace kestrane {

struct TabRow {
    std::string_view id;
    std::string_view caption;
};

inline constexpr std::array<TabRow, 12> kMainTabs = {{
    {"player", "Player Settings"},
    {"binds", "Bind Keys"},
    {"comm", "&Communication / Hud"},
    {"mouse", "Mouse"},
    {"video", "Video"},
    {"render", "Render Devices"},
    {"audio", "Audio"},
    {"weapons", "Weapons"},
    {"priority", " Weapons Priority"},
    {"irc", "IRC"},
    {"user_ini", "User.INI"},
    {"ut2004_ini", "UT2004.INI"},
}};

}  // namespace kestrane
