// The entry names an archive's central directory stores, read byte for byte: libzip reads a
// NUL in a name as a blank, which hides a name no file may bear.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The names in the directory's order; nullopt when the directory is not where its end record
// says (the caller then has libzip's names only).
std::optional<std::vector<std::string>> CentralDirectoryNames(const QString& hostZip);

}  // namespace platform
