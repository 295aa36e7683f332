// Temporary copies a killed run left beside the files the editor writes.
#pragma once

#include <string>

namespace kestrane {

// The program folder with Kestrane.ini and the profiles below it, the game's System and Cache
// folders and the folders the Cache Manager exports to: the editor's own temporary copies in
// them are deleted, nothing else. `gameFolder` ends in "\"; empty skips the game's folders.
void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder);

}  // namespace kestrane
