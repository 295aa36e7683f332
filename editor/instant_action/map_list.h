// The maps of one game type: the files of the game's Maps folder whose names begin with the
// game type's prefix, shown without their extension.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrane {

// Names of the files directly in the folder; none when it does not exist.
std::vector<std::string> AllFiles(const std::string& windowsFolder);
// Those of them whose name holds a character the game's 8-bit text lacks ("?" in its place).
std::vector<std::string> FilesBeyondAnsi(const std::string& windowsFolder);

// Each name whose first two characters equal the prefix (ignoring case), cut before its first
// ".", sorted alphabetically without regard to case. An empty prefix matches no file. A name is
// a file's own, never a path: a "\" in it stays (the command line refuses it).
std::vector<std::string> MapNames(const std::vector<std::string>& fileNames,
                                  std::string_view prefix);

}  // namespace kestrane
