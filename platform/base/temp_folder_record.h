// A record of the folders the file writer has made temporary copies in, kept in the program
// folder and shared by the editor and Patchwell. A run killed between a copy and its rename
// leaves the copy behind; the next start looks for such copies only in the folders the record
// names, instead of listing every folder it may write into (a Maps folder can hold tens of
// thousands of files).
//
// Two programs may run at once, and one's start must not remove a copy the other is still
// writing. Every running program holds a shared lock on the record for its life; the start-up
// clean-up runs only under an exclusive lock, taken without waiting. One descriptor per
// program, however many files it has open (Patchwell may stage 1,500 at once). Where no lock
// can be had (no record, or a file system without locks), a start cannot know whether another
// program writes, and removes nothing.
#pragma once

#include <string>
#include <vector>

namespace platform {

inline constexpr const char* kTempFolderRecordName = "Kestrane Temp Folders.txt";

// Where a program's copies may lie. The record's folders are acted on only at or below the
// program folder or the game folder, reached from there through no link; Patchwell, which does
// not know the game folder, leaves the lines naming other folders to the editor's start.
struct StrayCopyPlaces {
    std::string programFolder;  // host path; its subfolders are looked through at every start
    int programDepth = 0;       // down to this many levels
    std::string gameFolder;     // host path; empty where the program does not know it
    // Looked through once, where no record was kept yet (the record is made naming them).
    std::vector<std::string> withoutRecord;
};

enum class StrayCleanUp {
    Done,
    OtherProgramRunning,
    // No lock could be had (no record, a record that is no plain file, a file system without
    // locks), or the record was only now made while a program that ran without it may write:
    // nothing was removed.
    NotKnown
};

// Keeps the record in `hostRecordFile` from now on and removes the temporary copies a killed
// run left in the program folder and the folders the record names. The record keeps every
// folder not yet clean (a removal that failed) and is emptied of the rest only once they are
// clean, so that a start killed on the way leaves it for the next.
StrayCleanUp CleanUpStrayCopies(const std::string& hostRecordFile, const StrayCopyPlaces& places);
// Adds the host folder to the record before a copy is made in it, taking the record's lock
// first where this program holds none yet (the record was missing or replaced since its start).
// A record that cannot be written costs only the chance to find the copy later.
void NoteTempFolder(const std::string& hostFolder);
// Lets go of the record and its lock (a test starts a program again in the same process).
void ReleaseTempFolderRecord();
// Lets go of the lock alone while this program writes nothing, so that a program it starts as
// it ends cleans up at its start; taken back (waiting for that clean-up) before it writes again.
void HoldTempFolderRecord(bool held);

}  // namespace platform
