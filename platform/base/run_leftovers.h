// What an update run puts below the program folder only for a while: the archive it downloads
// and the folders it makes on the way to it. Each is noted in a record of Patchwell's own before
// it appears under its name, so that a run that fails, or is killed, before it is done with
// them leaves nothing behind: the run removes them itself, or the next start does. Only what
// lies plainly below the program folder (the record's folder), reached through no link, is
// removed; a file only when it still is the very one the run wrote, a folder only when empty.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/file_writer.h"

namespace platform {

inline constexpr const char* kRunLeftoversRecordName = "Patchwell Downloads.txt";

// What shows a file is the very one a download wrote, as an inode alone cannot (the file
// system hands a freed inode to the next new file at once): its identity, its length and the
// digest of its bytes (FileDigest).
struct WrittenFile {
    FileId id;
    int64_t size = 0;
    std::string digest;
};

class RunLeftovers {
  public:
    // Notes go to the record at this Windows path, in the program folder.
    explicit RunLeftovers(const std::string& windowsRecordFile);
    // A folder the run is about to make.
    void NoteFolder(const std::string& windowsFolder);
    // The file a download wrote, at its host path, just before it takes that name: until then
    // it holds a temporary name, which the start-up clean-up knows.
    void NoteFile(const std::string& hostPath, const WrittenFile& written);
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
    std::string root_;
    std::vector<std::string> lines_;
    long long kept_ = -1;  // the record's length before this run's first line; -1: none yet
};

// At start: removes what the record names, as RemoveAll does, then empties it. A record that
// is a link, no plain file or a file with a second name is left as it is, and names nothing.
void RemoveRunLeftovers(const std::string& windowsRecordFile);

}  // namespace platform
