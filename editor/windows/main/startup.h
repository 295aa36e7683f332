// The editor's life from process start to the main window on screen.
#pragma once

#include <optional>
#include <string>

class QApplication;

namespace kestrane {

class INI;

inline constexpr const char* kProgramTitle = "Kestrane INI";
inline constexpr const char* kGameRegistryKey =
    "SOFTWARE\\Unreal Technology\\Installed Apps\\UT2004";

// The game folders from the registry value; the message to show when the value is missing or
// the System folder lacks a game file (nothing has been written then).
std::optional<std::string> DeriveGameFolders();

// Reads Kestrane.ini from the program folder, creating it with the default keys when missing.
// A file that cannot be made is reported in the message.
std::optional<std::string> ReadKestraneIni();

// The profile folder of profile `name`: program folder, "\Profiles\", name, "\".
std::string ProfileFolder(const std::string& name);

// The load step of the main window with the profile mirror; false after a message when the
// game cannot be found.
bool MainFormLoad(INI& window);

// Main: Kestrane.ini, splash, the main window's load step, the music. False when the editor
// must end at once (the message has been shown).
bool Main();
void ShowMainForm();

}  // namespace kestrane
