// Temporary copies a killed run left beside the files the editor writes.
#pragma once

#include <string>

namespace kestrane {

// The record, in the program folder, of the folders temporary copies were made in.
inline constexpr const char* kTempFolderRecord = "Kestrane Temp Folders.txt";

// The program folder with Kestrane.ini and the profiles below it, and of the game's System and
// Cache folders and the folders the Cache Manager exports to those the record names (all of
// them when no record has been kept yet): the editor's own temporary copies in them are
// deleted, nothing else. From here on the record is kept. `gameFolder` ends in "\"; empty
// skips the game's folders.
void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder);

}  // namespace kestrane
