#include "editor/windows/tab_contents.h"

#include "editor/windows/audio_tab.h"
#include "editor/windows/colour_fields.h"
#include "editor/windows/comm_tab.h"
#include "editor/windows/irc_tab.h"
#include "editor/windows/key_binding_tabs.h"
#include "editor/windows/mouse_tab.h"
#include "editor/windows/player_tab.h"
#include "editor/windows/render_tab.h"
#include "editor/windows/video_tab.h"
#include "editor/windows/weapon_priority_tab.h"
#include "editor/windows/weapons_tab.h"

namespace kestrane {

void BuildTabContents(INI& window) {
    new PlayerTab(window);
    new CommTab(window);
    new WeaponsTab(window);
    new WeaponPriorityTab(window);
    new MouseTab(window);
    new IrcTab(window);
    BuildCommColourSets(window);
    BuildCrosshairColourSets(window);
    BuildVideoTab(window);
    BuildRenderTab(window);
    BuildAudioTab(window);
    // The bind groups sit beside the frames of the pages they share.
    BuildKeyBindingGroups(window);
}

}  // namespace kestrane
