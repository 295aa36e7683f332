// Temporary copies a killed run left beside the files the editor writes.
#pragma once

#include <string>

#include "platform/base/temp_folder_record.h"

namespace kestrane {

// The record, in the program folder, of the folders temporary copies were made in (Patchwell
// keeps it too).
inline constexpr const char* kTempFolderRecord = platform::kTempFolderRecordName;

// Of the program folder with Kestrane.ini and the profiles below it, and of the folders the
// record names below the program or the game folder: the editor's own temporary copies are
// deleted, nothing else. From here on the record is kept; the start that makes it names the
// game's System and Cache folders and the folders the Cache Manager exports to in it, for the
// next start to look in. Nothing is deleted while Patchwell or another editor runs, or where
// that cannot be known. `gameFolder` ends in "\"; empty skips the game's folders.
void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder);

}  // namespace kestrane
