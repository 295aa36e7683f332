#include "platform/base/temp_folder_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>
#include <set>

#include "platform/base/confined_path.h"
#include "platform/base/file_writer.h"
#include "platform/base/own_record.h"

namespace platform {
namespace {

struct Record {
    std::string path;  // set by the start's clean-up; empty: no record is kept
    int fd = -1;
    bool writable = false;
    bool holding = true;          // the shared lock is wanted (not while another program starts)
    std::set<std::string> noted;  // by this run: each folder goes in once
    std::mutex mutex;
};

Record& TheRecord() {
    static Record record;
    return record;
}

// 0, or the errno of the refusal (EWOULDBLOCK: another holds it; anything else: no locks here).
int TakeLock(int fd, int operation) {
    if (const int refused = InjectedWriteFault(WriteStep::Lock)) return refused;
    while (::flock(fd, operation) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

// For writing where it may be; read-only (a record of another user's, or one made read-only)
// still holds a lock, which needs no write access.
int OpenRecord(const std::string& file, bool& writable) {
    writable = true;
    int fd = OpenOwnRecord(file, O_RDWR | O_APPEND);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        writable = false;
        fd = OpenOwnRecord(file, O_RDONLY);
    }
    return fd;
}

std::string LinesOf(const std::vector<std::string>& folders) {
    std::string text;
    for (const std::string& folder : folders) text += folder + "\n";
    return text;
}

// A new record naming `folders`, whole before any start can read it. `made`: the record now
// under the name is this start's own.
int MakeRecord(const std::string& file, const std::vector<std::string>& folders, bool& made,
               bool& writable) {
    const int result = MakeOwnRecord(file, LinesOf(folders));
    made = result == 0;
    if (result != 0 && result != EEXIST) {
        errno = result;
        return -1;
    }
    return OpenRecord(file, writable);
}

bool StillNamed(const Record& record) {
    struct stat held {
    }, named{};
    return ::fstat(record.fd, &held) == 0 && ::lstat(record.path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Opens, or makes, the record for a program that holds none, and takes the shared lock,
// waiting for a clean-up under way.
void Attach(Record& record) {
    bool made = false;
    int fd = OpenRecord(record.path, record.writable);
    if (fd < 0 && errno == ENOENT) fd = MakeRecord(record.path, {}, made, record.writable);
    if (fd < 0) return;
    if (record.holding) TakeLock(fd, LOCK_SH);
    record.fd = fd;
    record.noted.clear();
}

void Keep(int fd, bool writable) {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    record.fd = fd;
    record.writable = writable;
}

// Where a folder the record names may be looked in, and how: below the program folder old
// files may have been kept aside too.
enum class Place { Outside, Program, Game };

struct Looked {
    int fd = -1;
    Place place = Place::Outside;
};

Looked OpenPlace(const StrayCopyPlaces& places, const std::string& folder) {
    int fd = OpenFolderWithin(places.programFolder, folder);
    if (fd >= 0 || errno != EXDEV) return {fd, Place::Program};
    if (places.gameFolder.empty()) return {-1, Place::Outside};
    fd = OpenFolderWithin(places.gameFolder, folder);
    if (fd >= 0 || errno != EXDEV) return {fd, Place::Game};
    return {-1, Place::Outside};
}

// Nothing there to clean: gone, or reached only through a link (never acted on).
bool NothingToClean(int error) {
    return error == ENOENT || error == ELOOP || error == ENOTDIR || error == EXDEV ||
           error == EINVAL;
}

// Clears the folders the record names and says which it must keep naming: those not yet
// clean, and (for a program that does not know the game folder) those it may not act on.
std::vector<std::string> CleanNamed(const std::vector<std::string>& lines,
                                    const StrayCopyPlaces& places) {
    const std::string program = PlainHostPath(places.programFolder);
    std::vector<std::string> keep;
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        const std::string folder = PlainHostPath(line);
        // Relative, or through "." or "..": names nothing.
        if (folder.empty() || folder == program || !seen.insert(folder).second) continue;
        const Looked looked = OpenPlace(places, folder);
        if (looked.fd < 0) {
            if (looked.place == Place::Outside ? places.gameFolder.empty()
                                               : !NothingToClean(errno)) {
                keep.push_back(folder);
            }
            continue;
        }
        const StraySweep sweep =
            RemoveStrayTempFilesAt(looked.fd, 0, looked.place == Place::Program);
        ::close(looked.fd);
        if (sweep.failed > 0) keep.push_back(folder);
    }
    return keep;
}

void SweepProgramFolder(const StrayCopyPlaces& places) {
    const int fd = ::open(places.programFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    RemoveStrayTempFilesAt(fd, places.programDepth, true);
    ::close(fd);
}

}  // namespace

void ReleaseTempFolderRecord() {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    if (record.fd >= 0) ::close(record.fd);
    record.fd = -1;
    record.path.clear();
    record.holding = true;
    record.noted.clear();
}

void HoldTempFolderRecord(bool held) {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    record.holding = held;
    if (record.fd < 0) return;
    if (held) {
        TakeLock(record.fd, LOCK_SH);
    } else {
        ::flock(record.fd, LOCK_UN);
    }
    // Another program may have cleaned up and emptied the record meanwhile.
    if (held) record.noted.clear();
}

StrayCleanUp CleanUpStrayCopies(const std::string& hostRecordFile, const StrayCopyPlaces& places) {
    ReleaseTempFolderRecord();
    if (hostRecordFile.empty()) return StrayCleanUp::NotKnown;
    {
        Record& record = TheRecord();
        const std::lock_guard<std::mutex> lock(record.mutex);
        record.path = hostRecordFile;
    }
    bool writable = false;
    bool made = false;
    int fd = OpenRecord(hostRecordFile, writable);
    const bool missing = fd < 0 && errno == ENOENT;
    if (missing) fd = MakeRecord(hostRecordFile, places.withoutRecord, made, writable);
    // No record to lock: another program may be writing without one.
    if (fd < 0) return StrayCleanUp::NotKnown;

    const int refused = TakeLock(fd, LOCK_EX | LOCK_NB);
    if (refused == EWOULDBLOCK) {
        // Another program runs: it may be writing a copy this clean-up would remove. Its own
        // clean-up, if under way, is waited for before this program writes anything.
        TakeLock(fd, LOCK_SH);
        // A record another start made meanwhile lacks the folders this one would have named.
        if (missing && !made && writable) {
            for (const std::string& folder : places.withoutRecord) AppendOwnRecordLine(fd, folder);
        }
        Keep(fd, writable);
        return StrayCleanUp::OtherProgramRunning;
    }
    // Without locks nothing tells whether another program writes; with a record only now made,
    // a program that started while there was none may be writing without a lock. The record
    // names the folders for a later start.
    if (refused != 0 || made) {
        if (refused == 0) TakeLock(fd, LOCK_SH);
        Keep(fd, writable);
        return StrayCleanUp::NotKnown;
    }

    SweepProgramFolder(places);
    std::vector<std::string> lines = ReadOwnRecordLines(fd);
    if (missing)
        lines.insert(lines.end(), places.withoutRecord.begin(), places.withoutRecord.end());
    const std::vector<std::string> keep = CleanNamed(lines, places);
    if (writable) {
        // What is left goes back whole; a failure costs only a second look at its folders.
        if (::ftruncate(fd, 0) == 0 && !keep.empty()) WriteOwnRecordText(fd, LinesOf(keep));
    }
    TakeLock(fd, LOCK_SH);
    Keep(fd, writable);
    return StrayCleanUp::Done;
}

void NoteTempFolder(const std::string& hostFolder) {
    Record& record = TheRecord();
    const std::lock_guard<std::mutex> lock(record.mutex);
    if (record.path.empty()) return;
    if (record.fd >= 0 && !StillNamed(record)) {
        ::close(record.fd);
        record.fd = -1;
    }
    if (record.fd < 0) Attach(record);
    if (record.fd < 0 || !record.writable || !record.noted.insert(hostFolder).second) return;
    AppendOwnRecordLine(record.fd, hostFolder);
}

}  // namespace platform
