#include "platform/base/temp_folder_record.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <set>

namespace platform {
namespace {

struct Record {
    std::string file;
    std::string swept;            // ends in "/"
    std::set<std::string> noted;  // by this run: each folder goes in once
};

Record& TheRecord() {
    static Record record;
    return record;
}

}  // namespace

void KeepTempFolderRecord(const std::string& hostRecordFile, const std::string& hostSweptFolder) {
    std::string swept = hostSweptFolder;
    if (swept.empty() || swept.back() != '/') swept += '/';
    TheRecord() = Record{hostRecordFile, std::move(swept), {}};
}

void NoteTempFolder(const std::string& hostFolder) {
    Record& record = TheRecord();
    if (record.file.empty() || (hostFolder + "/").starts_with(record.swept) ||
        !record.noted.insert(hostFolder).second) {
        return;
    }
    const int fd = ::open(record.file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return;
    const std::string line = hostFolder + "\n";
    // One write of a short line: appended whole.
    while (::write(fd, line.data(), line.size()) < 0 && errno == EINTR) {
    }
    ::close(fd);
}

std::optional<std::vector<std::string>> TakeTempFolderRecord() {
    Record& record = TheRecord();
    if (record.file.empty()) return std::nullopt;
    const int fd = ::open(record.file.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        // The first start that keeps it: from here on the record is there.
        if (errno == ENOENT) {
            const int made = ::open(record.file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
            if (made >= 0) ::close(made);
        }
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    std::set<std::string> folders;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) folders.insert(text.substr(start, end - start));
    }
    // Emptied, not removed: an empty record says no copy was made since.
    if (::ftruncate(fd, 0) != 0) {
        // Its folders are looked in again at the next start: no harm.
    }
    ::close(fd);
    record.noted.clear();
    return std::vector<std::string>(folders.begin(), folders.end());
}

}  // namespace platform
