// The main window's menu bar as data: menus, items, captions, shortcuts and handlers.
#pragma once

#include <array>
#include <string_view>

namespace kestrane {

class INI;

struct MenuItemRow {
    std::string_view menu;  // control name of the menu
    std::string_view menuCaption;
    std::string_view control;  // control name of the item; empty for a separator
    std::string_view caption;
    std::string_view shortcut;
    void (INI::*handler)();
};

extern const std::array<MenuItemRow, 14> kMainMenu;

}  // namespace kestrane
