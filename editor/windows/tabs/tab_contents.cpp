#include "editor/windows/tabs/tab_contents.h"

#include <array>

#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/audio_tab.h"
#include "editor/windows/tabs/colour_fields.h"
#include "editor/windows/tabs/comm_tab.h"
#include "editor/windows/tabs/irc_tab.h"
#include "editor/windows/tabs/key_binding_tabs.h"
#include "editor/windows/tabs/mouse_tab.h"
#include "editor/windows/tabs/player_tab.h"
#include "editor/windows/tabs/raw_ini_tab.h"
#include "editor/windows/tabs/render_tab.h"
#include "editor/windows/tabs/video_tab.h"
#include "editor/windows/tabs/weapon_priority_tab.h"
#include "editor/windows/tabs/weapons_tab.h"

namespace kestrane {
namespace {

using Build = void (*)(INI&);

// What each page is made of, in the order it is built; the bind groups sit beside the frames
// of the pages they share.
struct PageContents {
    std::string_view id;
    std::array<Build, 3> parts;
};

constexpr std::array<PageContents, 12> kPageContents = {{
    {"player",
     {[](INI& w) { new PlayerTab(w); }, [](INI& w) { BuildKeyBindingGroups(w, "player"); }}},
    {"binds", {[](INI& w) { BuildKeyBindingGroups(w, "binds"); }}},
    {"comm",
     {[](INI& w) { new CommTab(w); }, BuildCommColourSets,
      [](INI& w) { BuildKeyBindingGroups(w, "comm"); }}},
    {"mouse", {[](INI& w) { new MouseTab(w); }}},
    {"video", {BuildVideoTab}},
    {"render", {BuildRenderTab}},
    {"audio", {BuildAudioTab}},
    {"weapons", {[](INI& w) { new WeaponsTab(w); }, BuildCrosshairColourSets}},
    {"priority", {[](INI& w) { new WeaponPriorityTab(w); }}},
    {"irc", {[](INI& w) { new IrcTab(w); }}},
    {"user_ini", {[](INI& w) { BuildRawIniTab(w, w.Tab("user_ini"), 0); }}},
    {"ut2004_ini", {[](INI& w) { BuildRawIniTab(w, w.Tab("ut2004_ini"), 1); }}},
}};

}  // namespace

void BuildPageContents(INI& window, std::string_view id) {
    for (const PageContents& page : kPageContents) {
        if (page.id != id) continue;
        for (Build part : page.parts) {
            if (part) part(window);
        }
    }
}

}  // namespace kestrane
