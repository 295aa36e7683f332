// A record of the folders the file writer has made temporary copies in. A run killed between
// a copy and its rename leaves the copy behind; the next start looks for such copies only in
// the folders the record names, instead of listing every folder it may write into (a Maps
// folder can hold tens of thousands of files).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Keeps the record in this host file from now on (empty: keeps none). Folders inside
// `hostSweptFolder`, which every start lists anyway, are not recorded.
void KeepTempFolderRecord(const std::string& hostRecordFile, const std::string& hostSweptFolder);
// Adds the host folder to the record before a copy is made in it. A record that cannot be
// written costs only the chance to find the copy later.
void NoteTempFolder(const std::string& hostFolder);
// The folders the record names, and the record emptied; nullopt when no record has been kept
// there yet (an empty one is made then).
std::optional<std::vector<std::string>> TakeTempFolderRecord();

}  // namespace platform
