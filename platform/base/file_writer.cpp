#include "platform/base/file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <vector>

#include "platform/base/paths.h"
#include "platform/base/temp_folder_record.h"

namespace platform {
namespace {

constexpr std::string_view kTempMark = ".kestrane-tmp-";
constexpr std::string_view kOldMark = ".kestrane-old-";
constexpr size_t kTempRandomChars = 6;
// Room for the mark and the random part within the 255 bytes a name may have.
constexpr size_t kTempNameStem = 200;
// Small files go out in one write at the final flush; larger ones in blocks of this size.
constexpr size_t kBufferBytes = 64 * 1024;

WriteFault& Fault() {
    static WriteFault fault;
    return fault;
}

int InjectedError(WriteStep step, int64_t written) {
    if (!Fault()) return 0;
    static std::mutex serial;
    const std::lock_guard<std::mutex> lock(serial);
    return Fault()(step, written);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes everything, going on after short writes; 0 or the errno that stopped it.
int WriteAll(int fd, const char* data, size_t size, int64_t& written) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        data += n;
        size -= static_cast<size_t>(n);
        written += n;
    }
    return 0;
}

// A name for the old file beside `target` that nothing holds yet; empty when none is found.
std::string FreeKeptName(const std::string& target, int& error) {
    static constexpr std::string_view kChars =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kTempRandomChars];
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) break;
        std::string kept = target + std::string(kOldMark);
        for (const unsigned char r : random) kept += kChars[r % kChars.size()];
        struct stat st {};
        if (::lstat(kept.c_str(), &st) == 0) continue;
        if (errno == ENOENT) return kept;
        // No name of this form can be had ("File name too long" beside a long name).
        error = errno;
        return {};
    }
    error = EEXIST;
    return {};
}

// Keeps the old file under a name of its own by a second hard link, so that the target is
// never missing: 0 or the errno (ENOENT: there is no old file).
int LinkAside(const std::string& target, std::string& kept) {
    int error = 0;
    kept = FreeKeptName(target, error);
    if (kept.empty()) return error;
    return ::link(target.c_str(), kept.c_str()) == 0 ? 0 : errno;
}

// Keeps the old file under a name of its own by a rename; the target is missing until the new
// file is renamed in, a gap the start-up clean-up covers.
int RenameAside(const std::string& target, std::string& kept) {
    int error = 0;
    kept = FreeKeptName(target, error);
    if (kept.empty()) return error;
    return ::rename(target.c_str(), kept.c_str()) == 0 ? 0 : errno;
}

// File systems that cannot sync a folder say so; that is no failure of the write.
bool FolderSyncUnsupported(int error) {
    return error == EINVAL || error == ENOTSUP || error == EROFS || error == EBADF;
}

}  // namespace

void SetWriteFaultForTest(WriteFault fault) {
    Fault() = std::move(fault);
}

int InjectedWriteFault(WriteStep step) {
    return InjectedError(step, 0);
}

FileWriter::~FileWriter() {
    Cancel();
    DropOld();
}

bool FileWriter::Fail(int error) {
    error_ = std::generic_category().message(error);
    Cancel();
    return false;
}

void FileWriter::Cancel() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    buffer_.clear();
}

bool FileWriter::Open(const std::string& hostTarget) {
    Cancel();
    DropOld();
    placedOnNothing_ = false;
    error_.clear();
    written_ = 0;
    newFileId_ = {};
    modified_.reset();
    std::string target = hostTarget;
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* resolved = ::realpath(target.c_str(), nullptr);
        if (!resolved) {
            error_ = "it is a link that loops or leads nowhere";
            return false;
        }
        target = resolved;
        std::free(resolved);
    }
    const bool exists = ::lstat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return Fail(errno);
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            error_ = "it is a folder, not a file";
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error_ = "it is not a file";
            return false;
        }
        // No write bit for the owner is the read-only attribute, for root too.
        if (!(st.st_mode & S_IWUSR) || ::access(target.c_str(), W_OK) != 0) {
            error_ = "the file is read-only";
            return false;
        }
    }
    const std::string folder = FolderOf(target);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode)) {
        error_ = "its folder does not exist";
        return false;
    }
    if (const int e = InjectedError(WriteStep::Create, 0)) return Fail(e);
    std::string temp = folder + "/" + NameOf(target).substr(0, kTempNameStem) +
                       std::string(kTempMark) + std::string(kTempRandomChars, 'X');
    NoteTempFolder(folder);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    fd_ = fd;
    temp_ = std::move(temp);
    target_ = std::move(target);
    ::fchmod(fd_, exists ? (st.st_mode & 07777) : NewFileMode());
    struct stat made {};
    newFileId_ = ::fstat(fd_, &made) == 0 ? FileId{made.st_dev, made.st_ino} : FileId{};
    return true;
}

bool FileWriter::OpenWindowsPath(const std::string& windowsTarget) {
    const std::string host = ToHostPath(windowsTarget);
    if (!host.empty()) return Open(host);
    Cancel();
    error_ = "the drive of the path is unknown";
    return false;
}

bool FileWriter::Put(std::string_view bytes, WriteStep step) {
    if (const int e = InjectedError(step, written_)) {
        WriteAll(fd_, bytes.data(), bytes.size() / 2, written_);
        return Fail(e);
    }
    if (const int e = WriteAll(fd_, bytes.data(), bytes.size(), written_)) return Fail(e);
    return true;
}

bool FileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "the file is not open";
        return false;
    }
    if (buffer_.size() + bytes.size() <= kBufferBytes) {
        buffer_.append(bytes);
        return true;
    }
    if (!buffer_.empty()) {
        if (!Put(buffer_, WriteStep::Write)) return false;
        buffer_.clear();
    }
    if (bytes.size() >= kBufferBytes) return Put(bytes, WriteStep::Write);
    buffer_.append(bytes);
    return true;
}

bool FileWriter::Commit() {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "the file is not open";
        return false;
    }
    if (!Put(buffer_, WriteStep::Flush)) return false;
    buffer_.clear();
    if (modified_) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(*modified_), 0}};
        ::futimens(fd_, times);
    }
    if (const int e = InjectedError(WriteStep::Sync, written_)) return Fail(e);
    if (::fsync(fd_) != 0) return Fail(errno);
    if (const int e = InjectedError(WriteStep::Close, written_)) return Fail(e);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail(errno);
    if (const int e = InjectedError(WriteStep::Rename, written_)) return Fail(e);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return Fail(errno);
    temp_.clear();

    int folderError = InjectedError(WriteStep::SyncFolder, written_);
    if (folderError == 0) folderError = SyncFolder(FolderOf(target_));
    if (folderError != 0) {
        error_ = std::generic_category().message(folderError) +
                 " (the new file is in place, but its folder could not be synced to disk)";
        return false;
    }
    return true;
}

bool FileWriter::Finish() {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "the file is not open";
        return false;
    }
    if (!Put(buffer_, WriteStep::Flush)) return false;
    // Many files wait finished at once: none keeps its buffer.
    std::string().swap(buffer_);
    if (modified_) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(*modified_), 0}};
        ::futimens(fd_, times);
    }
    // Only a hint: the disk gets to work on this file while the next ones are written.
    ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
    if (const int e = InjectedError(WriteStep::Close, written_)) return Fail(e);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail(errno);
    return true;
}

bool FileWriter::Sync() {
    if (temp_.empty()) {
        if (error_.empty()) error_ = "the file is not open";
        return false;
    }
    if (const int e = InjectedError(WriteStep::Sync, written_)) return Fail(e);
    const int fd = ::open(temp_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return synced == 0 || Fail(synced);
}

bool FileWriter::Place() {
    if (temp_.empty()) {
        if (error_.empty()) error_ = "the file is not open";
        return false;
    }
    if (InjectedError(WriteStep::Exchange, written_) == 0) {
        if (const int e = InjectedError(WriteStep::Rename, written_)) return Fail(e);
        if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) == 0) {
            old_ = std::move(temp_);
            temp_.clear();
            return true;
        }
        return PlaceKeepingOld(true);
    }
    return PlaceKeepingOld(false);
}

// No file to swap with, or a file system that cannot swap: the old file is kept under a name
// of its own, then the new one is renamed over the target.
bool FileWriter::PlaceKeepingOld(bool renameAsked) {
    std::string kept;
    // A new file needs no kept name, which a name near the limit would have no room for.
    struct stat st {};
    int e = ::lstat(target_.c_str(), &st) != 0 && errno == ENOENT ? ENOENT : 0;
    if (e == 0) e = InjectedError(WriteStep::Link, written_);
    if (e == 0) e = LinkAside(target_, kept);
    bool setAside = false;
    if (HardLinksRefused(e)) {
        e = InjectedError(WriteStep::SetAside, written_);
        if (e == 0) e = RenameAside(target_, kept);
        setAside = e == 0;
    }
    const bool nothingToKeep = e == ENOENT;
    if (nothingToKeep) {
        kept.clear();
        e = 0;
    }
    if (e != 0) return Fail(e);
    if (!renameAsked) e = InjectedError(WriteStep::Rename, written_);
    if (e == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) e = errno;
    if (e != 0) {
        // A linked copy is a second name of the file still in place; a set-aside one goes
        // back, or, when even that fails, stays for the clean-up to put back.
        if (setAside) {
            ::rename(kept.c_str(), target_.c_str());
        } else if (!kept.empty()) {
            ::unlink(kept.c_str());
        }
        return Fail(e);
    }
    temp_.clear();
    old_ = std::move(kept);
    placedOnNothing_ = nothingToKeep;
    return true;
}

bool FileWriter::Unplace() {
    if (!old_.empty()) {
        if (::rename(old_.c_str(), target_.c_str()) != 0) return false;
        old_.clear();
        return true;
    }
    if (placedOnNothing_) {
        placedOnNothing_ = false;
        return ::unlink(target_.c_str()) == 0;
    }
    return false;
}

void FileWriter::DropOld() {
    if (!old_.empty()) ::unlink(old_.c_str());
    old_.clear();
}

// The old file is then set aside by a rename instead, which fails with the same reason where
// the folder really is closed to writing.
bool HardLinksRefused(int error) {
    return error == EPERM || error == EMLINK || error == ENOTSUP || error == EOPNOTSUPP ||
           error == ENOSYS || error == EACCES;
}

int SyncFolder(const std::string& hostFolder) {
    const int dir = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return 0;
    const int error = ::fsync(dir) != 0 && !FolderSyncUnsupported(errno) ? errno : 0;
    ::close(dir);
    return error;
}

namespace {

// "<name><mark>XXXXXX" with a name of at least one character and six letters or digits.
bool EndsInMark(std::string_view name, std::string_view mark) {
    if (name.size() <= mark.size() + kTempRandomChars) return false;
    const std::string_view random = name.substr(name.size() - kTempRandomChars);
    if (name.substr(name.size() - kTempRandomChars - mark.size(), mark.size()) != mark) {
        return false;
    }
    for (const char c : random) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) return false;
    }
    return true;
}

}  // namespace

OwnFileKind ClassifyOwnFileName(std::string_view name) {
    if (EndsInMark(name, kTempMark)) return OwnFileKind::Temp;
    if (EndsInMark(name, kOldMark)) return OwnFileKind::KeptOld;
    return OwnFileKind::None;
}

bool IsOwnTempFileName(std::string_view name) {
    return ClassifyOwnFileName(name) != OwnFileKind::None;
}

namespace {

// A kept old copy whose target is missing is the only copy of the old file (a run killed
// between setting it aside and renaming the new file in): it goes back. Any other copy goes.
// Old files are kept aside only where `keptOld` says; anywhere else such a name is left alone.
void ClearOwnCopy(int dirFd, const char* name, OwnFileKind kind, bool keptOld, StraySweep& sweep) {
    if (kind == OwnFileKind::KeptOld) {
        if (!keptOld) return;
        const std::string_view whole(name);
        const std::string target(
            whole.substr(0, whole.size() - kOldMark.size() - kTempRandomChars));
        struct stat st {};
        if (::fstatat(dirFd, target.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            const bool back = errno == ENOENT && ::renameat2(dirFd, name, dirFd, target.c_str(),
                                                             RENAME_NOREPLACE) == 0;
            // A file system without rename's flags: the target was just seen missing.
            const bool plain = !back && (errno == EINVAL || errno == ENOSYS) &&
                               ::renameat(dirFd, name, dirFd, target.c_str()) == 0;
            ++(back || plain ? sweep.cleared : sweep.failed);
            return;
        }
    }
    int error = InjectedError(WriteStep::Remove, 0);
    if (error == 0 && ::unlinkat(dirFd, name, 0) != 0) error = errno;
    if (error == 0 || error == ENOENT) {
        sweep.cleared += error == 0;
    } else {
        ++sweep.failed;
    }
}

// Reads names only: a folder of 50,000 maps costs one listing, not 50,000 looks at each file's
// details. Only a name of the writer's pattern, or a subfolder to go into, is looked at further.
// Subfolders are opened from their folder without following a link.
void SweepFolder(int dirFd, int depth, bool keptOld, StraySweep& sweep) {
    const int listFd = ::dup(dirFd);
    DIR* dir = listFd < 0 ? nullptr : ::fdopendir(listFd);
    if (!dir) {
        if (listFd >= 0) ::close(listFd);
        ++sweep.failed;
        return;
    }
    std::vector<std::string> subfolders;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..") continue;
        const OwnFileKind kind = ClassifyOwnFileName(name);
        const bool own = kind != OwnFileKind::None;
        unsigned char type = entry->d_type;
        if (!own && (depth <= 0 || (type != DT_DIR && type != DT_UNKNOWN))) continue;
        // Some file systems do not say what an entry is; links are never followed.
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
            type = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) ? DT_DIR : DT_LNK;
        }
        if (own && type == DT_REG) {
            ClearOwnCopy(dirFd, entry->d_name, kind, keptOld, sweep);
        } else if (type == DT_DIR && depth > 0) {
            subfolders.emplace_back(name);
        }
    }
    ::closedir(dir);
    for (const std::string& sub : subfolders) {
        const int subFd =
            ::openat(dirFd, sub.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (subFd < 0) {
            // Gone meanwhile, or a link put in its place: nothing of the writer's there.
            if (errno != ENOENT && errno != ELOOP && errno != ENOTDIR) ++sweep.failed;
            continue;
        }
        SweepFolder(subFd, depth - 1, keptOld, sweep);
        ::close(subFd);
    }
}

}  // namespace

StraySweep RemoveStrayTempFilesAt(int folderFd, int depth, bool keptOld) {
    StraySweep sweep;
    SweepFolder(folderFd, depth, keptOld, sweep);
    return sweep;
}

int RemoveStrayTempFiles(const std::string& windowsFolder, int depth) {
    const std::string host = ToHostPath(windowsFolder);
    if (host.empty()) return 0;
    const int fd = ::open(host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    const StraySweep sweep = RemoveStrayTempFilesAt(fd, depth, true);
    ::close(fd);
    return sweep.cleared;
}

}  // namespace platform
