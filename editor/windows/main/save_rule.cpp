#include "editor/windows/main/save_rule.h"

#include "editor/binding/settings_walks.h"
#include "editor/store/program_state.h"
#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/raw_ini_tab.h"
#include "platform/message_box.h"

namespace kestrane {

std::optional<IniTexts> ComposeSettings(INI& window) {
    // A number still being typed is read as the player leaves it.
    FinishTypingInFocusedField();
    BindingContext ctx = window.Binding();
    const std::vector<std::string> problems = UnstorableEdits(ctx);
    if (!problems.empty()) {
        std::string text;
        for (const std::string& problem : problems) text += problem + "\r\n";
        platform::ShowMessage(text + "\r\nNothing was saved.", platform::MsgButtons::Ok, {},
                              &window);
        return std::nullopt;
    }
    return ComposeSave(ctx);
}

bool WriteSettings(INI& window, const std::string& folder, const IniTexts& texts) {
    FileError error;
    if (WriteINIFiles(folder, texts, &error)) return true;
    platform::ShowMessage(error.Message("save"), platform::MsgButtons::Ok, {}, &window);
    return false;
}

bool SaveSettingsInto(INI& window, const std::string& folder) {
    const auto texts = ComposeSettings(window);
    return texts && WriteSettings(window, folder, *texts);
}

bool SaveCurrentSettings(INI& window, TypedRawText raw) {
    ProgramState& state = State();
    const auto texts = ComposeSettings(window);
    if (!texts) return false;
    if (raw == TypedRawText::Ask && !ConfirmRawTextGoesStale(window, *texts)) return false;
    // With a profile the profile's copies first, then the game's own files, the same texts.
    if (!WriteSettings(window, state.iniFolder, *texts)) return false;
    if (state.profileActive && !WriteSettings(window, state.gameSystemFolder, *texts)) {
        return false;
    }
    window.RecordSaved(*texts);
    return true;
}

}  // namespace kestrane
