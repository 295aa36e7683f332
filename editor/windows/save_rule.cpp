#include "editor/windows/save_rule.h"

#include "editor/binding/settings_walks.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "editor/windows/main_window.h"
#include "platform/message_box.h"

namespace kestrane {

bool SaveSettingsInto(INI& window, const std::string& folder) {
    BindingContext ctx = window.Binding();
    SaveSettings(ctx);
    FileError error;
    if (SaveINIFiles(folder, ctx.state.user, ctx.state.ut2004, UserIniExtrasOf(ctx), &error)) {
        return true;
    }
    platform::ShowMessage(error.Message("save"), platform::MsgButtons::Ok, {}, &window);
    return false;
}

bool SaveCurrentSettings(INI& window) {
    ProgramState& state = State();
    if (!SaveSettingsInto(window, state.iniFolder)) return false;
    bool ok = true;
    if (state.profileActive) {
        const std::string remembered = state.iniFolder;
        state.iniFolder = state.gameSystemFolder;
        ok = SaveSettingsInto(window, state.iniFolder);
        state.iniFolder = remembered;
    }
    // What the tabs show is written now; taken once, not per folder.
    if (ok) window.NoteTabsAsLoaded();
    return ok;
}

}  // namespace kestrane
