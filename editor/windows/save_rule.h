// The one way edited settings reach the game's files: every bound control into the stores,
// then both files rewritten in the INI folder, and with a profile active in the game's
// System folder too.
#pragma once

#include <string>

namespace kestrane {

class INI;

// SaveSettings then SaveINIFiles into `folder` (ends in "\"). A failure is shown in a message
// naming the file; the controls keep their edits.
bool SaveSettingsInto(INI& window, const std::string& folder);
bool SaveCurrentSettings(INI& window);

}  // namespace kestrane
