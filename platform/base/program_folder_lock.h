// One editor at a time in a program folder: two editors saving the same files would each write
// back what it had read, undoing the other's saved changes without a word. The lock is held on
// the program folder itself, so it needs no file of its own, and goes with the process. Where
// the folder's file system has no locks (an NFS share without its lock service), the editor
// says it runs in a file of its own instead, "Kestrane_INI Running.txt": which machine, which
// start of it and which process. A later start on this machine tells whether that process
// still runs; one on another machine cannot, and does not start.
#pragma once

#include <string>

namespace platform {

inline constexpr const char* kRunningFileName = "Kestrane_INI Running.txt";

enum class FolderLock {
    Taken,
    // Another editor holds the folder.
    HeldByAnother,
    // The folder has no locks and its running file names a program this machine cannot look
    // for (another machine's, or a file it cannot read): it may run.
    MaybeHeld
};

// Takes the lock on the host folder for this process, letting go of one it held before (a test
// starts the editor again in the same process).
FolderLock TakeProgramFolderLock(const std::string& hostFolder);
// Lets go of the lock while the editor starts a program that may start the editor again, and
// takes it back when that start failed: false when another editor took it meanwhile.
bool HoldProgramFolderLock(bool held);

}  // namespace platform
