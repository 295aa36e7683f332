// What an update run puts below the program folder only for a while: the archive it downloads
// and the folders it makes on the way to it. Each is noted in a record of Patchwell's own before
// it appears, so that a run that fails, or is killed, before it is done with them leaves
// nothing behind: the run removes them itself, or the next start does.
#pragma once

#include <string>
#include <vector>

#include "platform/base/file_writer.h"

namespace platform {

inline constexpr const char* kRunLeftoversRecordName = "Patchwell Downloads.txt";

class RunLeftovers {
  public:
    // Notes go to the record at this Windows path (empty: none are kept on disk).
    explicit RunLeftovers(const std::string& windowsRecordFile);
    // A folder the run is about to make.
    void NoteFolder(const std::string& windowsFolder);
    // The file a download writes, by the identity it keeps when it takes its name.
    void NoteFile(const std::string& windowsPath, FileId id);
    // Removes the noted file if it still is the one written, then the noted folders that are
    // empty, the last made first, and takes this run's lines off the record.
    void RemoveAll();
    // The run is done with them: they stay, and this run's lines go off the record. Lines an
    // earlier run left (its start's clean-up skipped while another program ran) stay for the
    // next start.
    void Forget();

  private:
    void Note(std::string line);

    std::string record_;
    std::vector<std::string> lines_;
    long long kept_ = -1;  // the record's length before this run's first line; -1: none yet
};

// At start: removes what the record names, as RemoveAll does, then empties it.
void RemoveRunLeftovers(const std::string& windowsRecordFile);

}  // namespace platform
