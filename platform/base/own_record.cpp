#include "platform/base/own_record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/file_writer.h"

namespace platform {
namespace {

// Far more than any record holds: one line per folder written into since the last start.
constexpr size_t kRecordCap = 1 << 20;

bool RenameFlagsRefused(int error) {
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

// Gives the whole temporary file the record's name: 0, EEXIST, or the errno that refused both
// ways (a file system refusing rename's flags asks the seam's swap step, as it refuses swaps).
int TakeName(const std::string& temp, const std::string& file) {
    int error = InjectedWriteFault(WriteStep::Exchange);
    if (error == 0) {
        if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, file.c_str(), RENAME_NOREPLACE) == 0) {
            return 0;
        }
        error = errno;
    }
    if (!RenameFlagsRefused(error)) return error;
    error = InjectedWriteFault(WriteStep::Link);
    if (error == 0) error = ::link(temp.c_str(), file.c_str()) == 0 ? 0 : errno;
    return error;
}

mode_t NewRecordMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int OpenOwnRecord(const std::string& hostFile, int flags) {
    const int fd = ::open(hostFile.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    // A second name makes it another file's too: writing it would change that file.
    if (st.st_nlink != 1) {
        ::close(fd);
        errno = EMLINK;
        return -1;
    }
    return fd;
}

int ReadOwnRecordBytes(int fd, size_t cap, std::string& bytes) {
    bytes.resize(cap);
    size_t have = 0;
    int error = 0;
    while (have < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + have, bytes.size() - have, static_cast<off_t>(have));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        have += static_cast<size_t>(n);
    }
    bytes.resize(have);
    return error;
}

std::vector<std::string> ReadOwnRecordLines(int fd) {
    std::string text;
    ReadOwnRecordBytes(fd, kRecordCap, text);
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        // A last line cut by the cap, or by a write a kill stopped, is no whole line.
        if (end == std::string::npos) break;
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        if (stop > start) lines.push_back(text.substr(start, stop - start));
    }
    return lines;
}

bool IsPlainAbsolutePath(std::string_view line) {
    if (!line.starts_with('/') || line.find('\0') != std::string_view::npos) return false;
    for (size_t start = 1; start <= line.size();) {
        size_t end = line.find('/', start);
        if (end == std::string_view::npos) end = line.size();
        const std::string_view part = line.substr(start, end - start);
        if (part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

void AppendOwnRecordLine(int fd, const std::string& line) {
    const std::string whole = line + "\n";
    // One write of a short line: appended whole.
    while (::write(fd, whole.data(), whole.size()) < 0 && errno == EINTR) {
    }
}

}  // namespace platform

namespace platform {

bool WriteOwnRecordText(int fd, std::string_view text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

int MakeOwnRecord(const std::string& hostFile, std::string_view text) {
    // A temporary file a kill leaves bears the writer's own name, which starts look for.
    std::string temp = hostFile + ".kestrane-tmp-XXXXXX";
    const int tempFd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (tempFd < 0) return errno;
    ::fchmod(tempFd, NewRecordMode());
    struct stat mine {};
    const bool whole =
        WriteOwnRecordText(tempFd, text) && ::fsync(tempFd) == 0 && ::fstat(tempFd, &mine) == 0;
    const int writeError = whole ? 0 : (errno != 0 ? errno : EIO);
    ::close(tempFd);
    const int named = whole ? TakeName(temp, hostFile) : writeError;
    ::unlink(temp.c_str());
    if (named == 0) {
        // Ours, unless another start put its own there in the moment since.
        struct stat now {};
        if (::lstat(hostFile.c_str(), &now) != 0) return errno;
        return now.st_dev == mine.st_dev && now.st_ino == mine.st_ino ? 0 : EEXIST;
    }
    if (!whole || !HardLinksRefused(named)) return named;
    const int fd = ::open(hostFile.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC,
                          NewRecordMode());
    if (fd < 0) return errno;
    // Made, even if not whole: a record's unfinished last line counts for nothing.
    if (WriteOwnRecordText(fd, text)) ::fsync(fd);
    ::close(fd);
    return 0;
}

}  // namespace platform
