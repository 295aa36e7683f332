#include "platform/base/own_record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// Far more than any record holds: one line per folder written into since the last start.
constexpr size_t kRecordCap = 1 << 20;

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
