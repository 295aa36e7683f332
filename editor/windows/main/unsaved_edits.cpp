#include "editor/windows/main/unsaved_edits.h"

#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "editor/windows/tabs/raw_ini_tab.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

bool Confirm(INI& window, const std::string& action, const std::string& goOn) {
    if (!ConfirmRawTextLost(window, goOn)) return false;
    if (!window.HasUnsavedTabEdits()) return true;
    const auto answer = platform::ShowMessage(
        "The changes on the setting tabs have not been saved.\r\n\r\nSave the changes before " +
            action + "?",
        platform::MsgButtons::YesNoCancel, {}, &window, platform::MsgIcon::Question);
    if (answer == platform::MsgAnswer::Cancel) return false;
    // Typed raw text was asked about above: it goes in any case.
    return answer == platform::MsgAnswer::No ||
           SaveCurrentSettings(window, TypedRawText::AlreadyAsked);
}

}  // namespace

bool ConfirmClose(INI& window) {
    return Confirm(window, "closing", "Close Kestrane INI anyway?");
}

bool ConfirmReplaceTabs(INI& window, const std::string& action, const std::string& goOn) {
    return Confirm(window, action, goOn);
}

}  // namespace kestrane
