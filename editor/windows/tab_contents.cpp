#include "editor/windows/tab_contents.h"

#include "editor/windows/comm_tab.h"
#include "editor/windows/key_binding_tabs.h"
#include "editor/windows/player_tab.h"
#include "editor/windows/weapon_priority_tab.h"
#include "editor/windows/weapons_tab.h"

namespace kestrane {

void BuildTabContents(INI& window) {
    new PlayerTab(window);
    new CommTab(window);
    new WeaponsTab(window);
    new WeaponPriorityTab(window);
    // The bind groups sit beside the frames of the pages they share.
    BuildKeyBindingGroups(window);
}

}  // namespace kestrane
