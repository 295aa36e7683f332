// The two directions between the store and the main window: Load_INI_Form re-reads both game
// files from the INI folder and fills every control; SaveSettings copies every bound control
// back into the value arrays (the store's writer then rewrites the files).
#pragma once

#include <optional>

#include "editor/binding/binding_row.h"
#include "editor/store/ini_files.h"

namespace kestrane {

// Reads both files before it changes anything: a file that cannot be read leaves the store
// and the controls as they were and is reported.
std::optional<FileError> Load_INI_Form(BindingContext& ctx);
void SaveSettings(BindingContext& ctx);

// What SaveINIFiles takes from the window besides the rows.
UserIniExtras UserIniExtrasOf(BindingContext& ctx);

}  // namespace kestrane
