// One editor at a time in a program folder: two editors saving the same files would each write
// back what it had read, undoing the other's saved changes without a word. The lock is held on
// the program folder itself, so it needs no file of its own, and goes with the process.
#pragma once

#include <string>

namespace platform {

// Takes the lock on the host folder for this process, letting go of one it held before (a test
// starts the editor again in the same process). False only while another process holds it; a
// file system without such locks lets every start go on.
bool TakeProgramFolderLock(const std::string& hostFolder);
// Lets go of the lock while the editor starts a program that may start the editor again, and
// takes it back when that start failed.
void HoldProgramFolderLock(bool held);

}  // namespace platform
