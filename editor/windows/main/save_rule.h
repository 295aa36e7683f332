// The one way edited settings reach the game's files: every bound control into the stores,
// then both files rewritten in the INI folder, and with a profile active in the game's
// System folder too. What the files then hold is recorded (see untouched.h).
#pragma once

#include <optional>
#include <string>

#include "editor/store/ini_files.h"

namespace kestrane {

class INI;

// Whether the save asks about text typed in a raw box that it would make stale.
enum class TypedRawText : bool { Ask, AlreadyAsked };

// The texts the two files take from what the tabs show now; nothing (and a message naming
// each field) when an edit cannot be stored.
std::optional<IniTexts> ComposeSettings(INI& window);
// Writes them into `folder` (ends in "\"); a failure is shown in a message naming the file.
bool WriteSettings(INI& window, const std::string& folder, const IniTexts& texts);
// Both, without recording: for a copy into a folder other than the INI folder.
bool SaveSettingsInto(INI& window, const std::string& folder);

// The save rule. False when nothing or not every file was written; the controls keep their
// edits and count as unsaved.
bool SaveCurrentSettings(INI& window, TypedRawText raw = TypedRawText::Ask);

}  // namespace kestrane
