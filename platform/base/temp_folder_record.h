// A record of the folders the file writer has made temporary copies in, kept in the program
// folder and shared by the editor and Patchwell. A run killed between a copy and its rename
// leaves the copy behind; the next start looks for such copies only in the folders the record
// names, instead of listing every folder it may write into (a Maps folder can hold tens of
// thousands of files).
//
// Two programs may run at once, and one's start must not remove a copy the other is still
// writing. Every running program holds a shared lock on the record for its life; the start-up
// clean-up runs only under an exclusive lock, taken without waiting. One descriptor per
// program, however many files it has open (Patchwell may stage 1,500 at once).
#pragma once

#include <string>
#include <vector>

namespace platform {

inline constexpr const char* kTempFolderRecordName = "Kestrane Temp Folders.txt";

// A host folder looked through at every start, with its subfolders down to `depth` levels.
struct SweptFolder {
    std::string hostFolder;
    int depth = 0;
};

enum class StrayCleanUp { Done, OtherProgramRunning };

// Keeps the record in `hostRecordFile` from now on and removes the temporary copies a killed
// run left in `always`, in the folders the record names, and in `withoutRecord` when there is
// no record yet (it is made naming them first). The record is emptied only once they are
// clean, so that a start killed on the way leaves it for the next. While another program
// holds the record nothing is removed and the record stays. A record that is not a plain file
// (a link, a FIFO) is neither read nor written: `always` and `withoutRecord` are looked
// through at each start then.
StrayCleanUp CleanUpStrayCopies(const std::string& hostRecordFile,
                                const std::vector<SweptFolder>& always,
                                const std::vector<std::string>& withoutRecord);
// Adds the host folder to the record before a copy is made in it. A record that cannot be
// written costs only the chance to find the copy later.
void NoteTempFolder(const std::string& hostFolder);
// Lets go of the record and its lock (a test starts a program again in the same process).
void ReleaseTempFolderRecord();
// Lets go of the lock alone while this program writes nothing, so that a program it starts as
// it ends cleans up at its start; taken back (waiting for that clean-up) before it writes again.
void HoldTempFolderRecord(bool held);

}  // namespace platform
