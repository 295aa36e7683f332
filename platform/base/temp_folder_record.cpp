#include "platform/base/temp_folder_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <set>

#include "platform/base/file_writer.h"
#include "platform/base/own_record.h"

namespace platform {
namespace {

struct Record {
    int fd = -1;
    std::set<std::string> noted;  // by this run: each folder goes in once
    std::mutex mutex;
};

Record& TheRecord() {
    static Record record;
    return record;
}

bool Lock(int fd, int operation) {
    while (::flock(fd, operation) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

// A new record naming `folders`, written whole under a temporary name and linked into place,
// so that no start sees it half made. A temporary file a kill leaves bears the writer's own
// name in the program folder, which every start looks through.
void MakeRecord(const std::string& file, const std::vector<std::string>& folders) {
    std::string temp = file + ".kestrane-tmp-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    for (const std::string& folder : folders) AppendOwnRecordLine(fd, folder);
    const bool whole = ::fsync(fd) == 0;
    ::close(fd);
    // A name taken meanwhile (another start made it) is kept.
    if (whole) ::link(temp.c_str(), file.c_str());
    ::unlink(temp.c_str());
}

}  // namespace

void ReleaseTempFolderRecord() {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    if (record.fd >= 0) ::close(record.fd);
    record.fd = -1;
    record.noted.clear();
}

void HoldTempFolderRecord(bool held) {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    if (record.fd < 0) return;
    Lock(record.fd, held ? LOCK_SH : LOCK_UN);
    // Another program may have cleaned up and emptied the record meanwhile.
    if (held) record.noted.clear();
}

StrayCleanUp CleanUpStrayCopies(const std::string& hostRecordFile,
                                const std::vector<SweptFolder>& always,
                                const std::vector<std::string>& withoutRecord) {
    ReleaseTempFolderRecord();
    if (hostRecordFile.empty()) errno = EINVAL;
    int fd = hostRecordFile.empty() ? -1 : OpenOwnRecord(hostRecordFile, O_RDWR | O_APPEND);
    if (fd < 0 && errno == ENOENT) {
        MakeRecord(hostRecordFile, withoutRecord);
        fd = OpenOwnRecord(hostRecordFile, O_RDWR | O_APPEND);
    }
    std::set<std::string> folders;
    bool exclusive = false;
    if (fd >= 0) {
        exclusive = Lock(fd, LOCK_EX | LOCK_NB);
        if (!exclusive && errno == EWOULDBLOCK) {
            // Another program runs: it may be writing a copy this clean-up would remove. Its
            // own clean-up, if under way, is waited for before this program writes anything.
            Lock(fd, LOCK_SH);
            Record& record = TheRecord();
            const std::lock_guard<std::mutex> lock(record.mutex);
            record.fd = fd;
            return StrayCleanUp::OtherProgramRunning;
        }
        // A file system without locks: cleaned as when only one program ran.
        for (std::string& line : ReadOwnRecordLines(fd)) {
            if (IsPlainAbsolutePath(line)) folders.insert(std::move(line));
        }
    } else {
        folders.insert(withoutRecord.begin(), withoutRecord.end());
    }
    for (const SweptFolder& folder : always) {
        RemoveStrayTempFilesInHostFolder(folder.hostFolder, folder.depth);
        folders.erase(folder.hostFolder);
    }
    for (const std::string& folder : folders) RemoveStrayTempFilesInHostFolder(folder);
    if (fd >= 0) {
        // Emptied, not removed: an empty record says no copy was made since.
        if (::ftruncate(fd, 0) != 0) {
            // Its folders are looked through again at the next start: no harm.
        }
        if (exclusive) Lock(fd, LOCK_SH);
        Record& record = TheRecord();
        const std::lock_guard<std::mutex> lock(record.mutex);
        record.fd = fd;
    }
    return StrayCleanUp::Done;
}

void NoteTempFolder(const std::string& hostFolder) {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    if (record.fd < 0 || !record.noted.insert(hostFolder).second) return;
    AppendOwnRecordLine(record.fd, hostFolder);
}

}  // namespace platform
