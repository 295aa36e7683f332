// The files of one archive, written beside their targets and put in place together: each is
// written out first, then all are synced at once, then all are swapped in and their folders
// synced. No target changes before Commit; a Commit that fails puts back every file it had
// replaced, and whatever was not committed goes with the object.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/file_writer.h"

namespace platform {

class StagedFiles {
  public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // An open writer for a host path; the caller writes it and Finish()es it. Null with the
    // reason when it cannot be opened.
    FileWriter* Open(const std::string& hostTarget, std::string* error);
    // `alsoSync`: further host folders whose entries changed (new folders' parents). False with
    // the host path it failed on and the reason.
    bool Commit(const std::vector<std::string>& alsoSync, std::string* failedPath,
                std::string* error);
    size_t Count() const { return files_.size(); }

  private:
    bool SyncAll(std::string* failedPath, std::string* error);
    void UnplaceFirst(size_t count);

    std::vector<std::unique_ptr<FileWriter>> files_;
};

}  // namespace platform
