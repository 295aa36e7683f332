#include "platform/base/run_leftovers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>

#include "platform/base/own_record.h"
#include "platform/base/paths.h"

namespace platform {
namespace {

// The record's lines: "folder <host path>" and "file <device> <inode> <host path>".
constexpr std::string_view kFolder = "folder ";
constexpr std::string_view kFile = "file ";

// Reads one decimal number and the blank after it off the front of `text`.
bool TakeNumber(std::string_view& text, uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + text.size() || *end != ' ') return false;
    text.remove_prefix(static_cast<size_t>(end - text.data()) + 1);
    return true;
}

// Files first, so that the folders holding them can go; folders the last made first.
void RemoveNamed(const std::vector<std::string>& lines) {
    std::vector<std::string> folders;
    for (const std::string& line : lines) {
        std::string_view rest(line);
        if (rest.starts_with(kFolder)) {
            rest.remove_prefix(kFolder.size());
            if (IsPlainAbsolutePath(rest)) folders.emplace_back(rest);
            continue;
        }
        if (!rest.starts_with(kFile)) continue;
        rest.remove_prefix(kFile.size());
        uint64_t device = 0, inode = 0;
        if (!TakeNumber(rest, device) || !TakeNumber(rest, inode) || !IsPlainAbsolutePath(rest)) {
            continue;
        }
        const std::string path(rest);
        struct stat st {};
        // Only the very file the download wrote: one the player put there since stays.
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == device &&
            st.st_ino == inode) {
            ::unlink(path.c_str());
        }
    }
    // rmdir removes only an empty folder, and no link.
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) ::rmdir(it->c_str());
}

// Cuts the record back to its first `length` bytes.
void CutRecord(const std::string& hostFile, long long length) {
    if (hostFile.empty()) return;
    const int fd = OpenOwnRecord(hostFile, O_WRONLY);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size < length) length = 0;
    if (::ftruncate(fd, static_cast<off_t>(length)) != 0) {
        // Named again at the next start, where the same test of each applies.
    }
    ::close(fd);
}

}  // namespace

RunLeftovers::RunLeftovers(const std::string& windowsRecordFile)
    : record_(windowsRecordFile.empty() ? std::string() : ToHostPath(windowsRecordFile)) {}

void RunLeftovers::NoteFolder(const std::string& windowsFolder) {
    const std::string host = ToHostPath(windowsFolder);
    if (host.empty()) return;
    Note(std::string(kFolder) + host);
}

void RunLeftovers::NoteFile(const std::string& windowsPath, FileId id) {
    const std::string host = ToHostPath(windowsPath);
    if (host.empty() || id.inode == 0) return;
    Note(std::string(kFile) + std::to_string(id.device) + " " + std::to_string(id.inode) + " " +
         host);
}

void RunLeftovers::Note(std::string line) {
    lines_.push_back(std::move(line));
    if (record_.empty()) return;
    // A record that cannot be written costs only what a kill leaves; a failure is still
    // cleaned up by the run itself.
    const int fd = OpenOwnRecord(record_, O_WRONLY | O_APPEND | O_CREAT);
    if (fd < 0) return;
    struct stat st {};
    if (kept_ < 0) kept_ = ::fstat(fd, &st) == 0 ? static_cast<long long>(st.st_size) : 0;
    AppendOwnRecordLine(fd, lines_.back());
    ::close(fd);
}

void RunLeftovers::RemoveAll() {
    RemoveNamed(lines_);
    Forget();
}

void RunLeftovers::Forget() {
    if (kept_ >= 0) CutRecord(record_, kept_);
    kept_ = -1;
    lines_.clear();
}

void RemoveRunLeftovers(const std::string& windowsRecordFile) {
    const std::string host = ToHostPath(windowsRecordFile);
    if (host.empty()) return;
    const int fd = OpenOwnRecord(host, O_RDWR);
    if (fd < 0) return;
    RemoveNamed(ReadOwnRecordLines(fd));
    if (::ftruncate(fd, 0) != 0) {
        // Named again at the next start, where the same test of each applies.
    }
    ::close(fd);
}

}  // namespace platform
