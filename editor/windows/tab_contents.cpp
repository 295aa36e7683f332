#include "editor/windows/tab_contents.h"

#include "editor/windows/audio_tab.h"
#include "editor/windows/comm_tab.h"
#include "editor/windows/key_binding_tabs.h"
#include "editor/windows/player_tab.h"
#include "editor/windows/render_tab.h"
#include "editor/windows/video_tab.h"

namespace kestrane {

void BuildTabContents(INI& window) {
    new PlayerTab(window);
    new CommTab(window);
    BuildVideoTab(window), BuildRenderTab(window), BuildAudioTab(window);
    // The bind groups sit beside the frames of the pages they share.
    BuildKeyBindingGroups(window);
}

}  // namespace kestrane
