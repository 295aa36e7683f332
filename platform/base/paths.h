// Windows paths inside the programs, host paths at the moment of a file operation.
#pragma once

#include <string>

namespace platform {

// Host folder of the Wine prefix: $WINEPREFIX, else ~/.wine.
std::string WinePrefix();

// Maps a Windows path ("C:\UT2004\System\User.ini") to a host path: the drive letter through
// the prefix's dosdevices (c: -> drive_c, z: -> / when the links are missing), backslashes to
// slashes, every existing component matched without regard to case. A path that already is a
// host path (starts with "/") is only matched for case. Empty when the drive is unknown.
std::string ToHostPath(const std::string& windowsPath);

// Maps a host path back: under a drive of the prefix it becomes that drive's path, anything
// else "Z:\...". Folders come back without a trailing backslash.
std::string ToWindowsPath(const std::string& hostPath);

// The folder of the running executable as a Windows path, without a trailing backslash.
std::string ProgramFolder();
// Tests lay out a program folder of their own (a host path); empty restores the real one.
void SetProgramFolderForTest(const std::string& hostFolder);

}  // namespace platform
