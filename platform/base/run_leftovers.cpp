#include "platform/base/run_leftovers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <limits>

#include "platform/base/confined_path.h"
#include "platform/base/file_digest.h"
#include "platform/base/own_record.h"
#include "platform/base/paths.h"

namespace platform {
namespace {

// The record's lines: "folder <host path>" and
// "file-digest <device> <inode> <size> <digest> <host path>". Lines of the form earlier
// versions wrote, "file <device> <inode> <host path>", prove nothing and are passed over.
constexpr std::string_view kFolder = "folder ";
constexpr std::string_view kFile = "file-digest ";

// Reads one decimal number and the blank after it off the front of `text`.
bool TakeNumber(std::string_view& text, uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + text.size() || *end != ' ') return false;
    text.remove_prefix(static_cast<size_t>(end - text.data()) + 1);
    return true;
}

bool TakeDigest(std::string_view& text, std::string& digest) {
    if (text.size() <= kFileDigestChars || text[kFileDigestChars] != ' ') return false;
    for (const char c : text.substr(0, kFileDigestChars)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    digest = text.substr(0, kFileDigestChars);
    text.remove_prefix(kFileDigestChars + 1);
    return true;
}

std::string FolderOf(const std::string& hostPath) {
    const size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : hostPath.substr(0, slash);
}

// The folder holding the last part of `path`, reached from `root` through no link, and that
// part's name: a descriptor, or -1 when the path, written plainly, does not lie below the root.
int OpenHoldingFolder(const std::string& root, std::string_view path, std::string& name) {
    const std::string plain = PlainHostPath(path);
    const size_t slash = plain.rfind('/');
    if (plain.empty() || slash + 1 == plain.size()) return -1;
    name = plain.substr(slash + 1);
    return OpenFolderWithin(root, slash == 0 ? std::string("/") : plain.substr(0, slash));
}

bool SameFile(const struct stat& st, const WrittenFile& written) {
    return S_ISREG(st.st_mode) && st.st_dev == written.id.device && st.st_ino == written.id.inode &&
           st.st_size == written.size;
}

// Removes the file only while it is the one written: the same identity and length, and the
// same digest of the bytes it holds now. A player's file that took over the freed inode, or a
// link, a folder or anything else under the name, stays.
void RemoveWrittenFile(const std::string& root, std::string_view path, const WrittenFile& written) {
    std::string name;
    const int folder = OpenHoldingFolder(root, path, name);
    if (folder < 0) return;
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(st, written)) {
        const int fd =
            ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            struct stat opened {};
            const bool ours = ::fstat(fd, &opened) == 0 && SameFile(opened, written) &&
                              DigestOfFile(fd, written.size) == written.digest;
            ::close(fd);
            // Still that file under the name when it goes.
            if (ours && ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                SameFile(st, written)) {
                ::unlinkat(folder, name.c_str(), 0);
            }
        }
    }
    ::close(folder);
}

// Removes the folder only when it is empty (and no link, which AT_REMOVEDIR refuses).
void RemoveEmptyFolder(const std::string& root, std::string_view path) {
    std::string name;
    const int folder = OpenHoldingFolder(root, path, name);
    if (folder < 0) return;
    ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
    ::close(folder);
}

bool ParseFileLine(std::string_view rest, WrittenFile& written, std::string_view& path) {
    uint64_t device = 0, inode = 0, size = 0;
    if (!TakeNumber(rest, device) || !TakeNumber(rest, inode) || !TakeNumber(rest, size) ||
        size > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) ||
        !TakeDigest(rest, written.digest)) {
        return false;
    }
    written.id = {device, inode};
    written.size = static_cast<int64_t>(size);
    path = rest;
    return true;
}

// Files first, so that the folders holding them can go; folders the last made first.
void RemoveNamed(const std::string& root, const std::vector<std::string>& lines) {
    if (root.empty()) return;
    std::vector<std::string_view> folders;
    for (const std::string& line : lines) {
        std::string_view rest(line);
        if (rest.starts_with(kFolder)) {
            folders.push_back(rest.substr(kFolder.size()));
            continue;
        }
        if (!rest.starts_with(kFile)) continue;
        WrittenFile written;
        std::string_view path;
        if (ParseFileLine(rest.substr(kFile.size()), written, path)) {
            RemoveWrittenFile(root, path, written);
        }
    }
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) RemoveEmptyFolder(root, *it);
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
    : record_(ToHostPath(windowsRecordFile)), root_(FolderOf(record_)) {}

void RunLeftovers::NoteFolder(const std::string& windowsFolder) {
    const std::string host = ToHostPath(windowsFolder);
    if (host.empty()) return;
    Note(std::string(kFolder) + host);
}

void RunLeftovers::NoteFile(const std::string& hostPath, const WrittenFile& written) {
    if (hostPath.empty() || written.id.inode == 0 || written.digest.size() != kFileDigestChars) {
        return;
    }
    Note(std::string(kFile) + std::to_string(written.id.device) + " " +
         std::to_string(written.id.inode) + " " + std::to_string(written.size) + " " +
         written.digest + " " + hostPath);
}

void RunLeftovers::Note(std::string line) {
    // A line break in a name would cut the line; such a line would name nothing that is there.
    if (line.find('\n') != std::string::npos) return;
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
    RemoveNamed(root_, lines_);
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
    RemoveNamed(FolderOf(host), ReadOwnRecordLines(fd));
    if (::ftruncate(fd, 0) != 0) {
        // Named again at the next start, where the same test of each applies.
    }
    ::close(fd);
}

}  // namespace platform
