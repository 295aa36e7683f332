// Folder and file services on Windows paths, with the results the Windows calls give.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Windows error codes as the folder calls report them.
inline constexpr int32_t kErrorPathNotFound = 3;
inline constexpr int32_t kErrorAccessDenied = 5;
inline constexpr int32_t kErrorDiskFull = 112;
inline constexpr int32_t kErrorInvalidName = 123;
inline constexpr int32_t kErrorAlreadyExists = 183;
inline constexpr int32_t kErrorFilenameTooLong = 206;

// Creates the last folder of the path; its parent must exist. 0 on success, else the error
// code: 183 when the name exists already (the folder is left as it is), 3 when a folder on
// the way is missing, 5 when access is denied, 123 for a name Windows cannot hold. `reason`,
// when given, gets the system's words for a failure.
int32_t MakeDirectory(const std::string& windowsPath, std::string* reason = nullptr);

// Deletes the folder with everything in it, read-only contents included; one trailing "\" is
// dropped. True when the folder existed and is gone afterwards. False for a missing path or a
// file; a drive's root, the prefix and the home folder are never deleted. Links inside the tree are
// removed, not followed.
bool DeleteFolderTree(const std::string& windowsPath);

// Names (not paths) of a folder's files or subfolders, ordered by name without regard to
// case; empty when the folder does not exist.
std::vector<std::string> ListFiles(const std::string& windowsFolder);
std::vector<std::string> ListSubfolders(const std::string& windowsFolder);

// Deletes one file, read-only or not. True when it existed and is gone; else `reason`, when
// given, says why.
bool RemoveFile(const std::string& windowsPath, std::string* reason = nullptr);

// Copies a file whole, as CopyFileA does: with failIfExists an existing target makes the copy
// fail, without it the target is replaced (unless it is read-only). The target appears only
// once complete and checked whole. True when the copy succeeded; else `error` says why.
bool CopyFile(const std::string& fromWindowsPath, const std::string& toWindowsPath,
              bool failIfExists, std::string* error = nullptr);

}  // namespace platform
