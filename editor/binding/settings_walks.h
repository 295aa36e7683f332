// The two directions between the store and the main window: Load_INI_Form re-reads both game
// files from the INI folder and fills every control; SaveSettings copies every bound control
// back into the value arrays (the store's writer then rewrites the files).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/binding/binding_row.h"
#include "editor/store/ini_files.h"

namespace kestrane {

// Reads both files before it changes anything: a file that cannot be read leaves the store
// and the controls as they were and is reported. What the controls then show is recorded as
// what the files hold.
std::optional<FileError> Load_INI_Form(BindingContext& ctx);
void SaveSettings(BindingContext& ctx);

// Edits no save can store (a resolution that is no width and height), each named with what
// it needs; a save with any stores nothing.
std::vector<std::string> UnstorableEdits(const BindingContext& ctx);
// SaveSettings, then the texts both files take. The same stores, record and controls always
// give the same texts, so a save that failed can be tried again.
IniTexts ComposeSave(BindingContext& ctx);
// Once the INI folder's files hold `written`: the stores are read back from it, so they hold
// what the files hold, and what every control shows is recorded as saved.
void RecordSaved(BindingContext& ctx, const IniTexts& written);

// What SaveINIFiles takes from the window besides the rows.
UserIniExtras UserIniExtrasOf(BindingContext& ctx);

}  // namespace kestrane
