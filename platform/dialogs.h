// The file open and save dialogs and the folder browser. Paths in and out are Windows paths;
// a cancelled dialog gives "". While a ScriptedResponder is installed it answers instead.
#pragma once

#include <QStringList>
#include <cstdint>
#include <string>

class QWidget;

namespace platform {

// Dialog flags the dialogs act on; others are accepted and ignored.
inline constexpr int32_t kOfnOverwritePrompt = 0x2;
inline constexpr int32_t kOfnFileMustExist = 0x1000;

// "INI files (*.ini)|User.ini|All files (*.*)|*.*" -> {"INI files (*.ini) (User.ini)",
// "All files (*.*) (*)"}: one Qt name filter per pair, ";" between patterns becoming blanks.
// The list ends at an empty description or pattern, or at a description without a pattern.
QStringList ToQtNameFilters(const std::string& filter);

// Without kOfnFileMustExist the open dialog accepts a typed name that does not exist; the
// save dialog asks before replacing a file only with kOfnOverwritePrompt. A default extension
// ("ini", no dot) is added to a typed name that has none.
std::string ShowOpenDialog(const std::string& filter, const std::string& defaultExtension,
                           const std::string& initialFolder, int32_t flags, QWidget* owner);
std::string ShowSaveDialog(const std::string& filter, const std::string& defaultExtension,
                           const std::string& initialFolder, int32_t flags, QWidget* owner);

// Folders only, opening on the start folder when it exists, with a status line showing the
// path of the current selection. A drive's root comes back with its "\" ("C:\").
std::string BrowseForFolder(QWidget* owner, const std::string& title,
                            const std::string& startFolder);

}  // namespace platform
