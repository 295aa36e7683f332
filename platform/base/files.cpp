#include "platform/base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <system_error>

#include "platform/base/file_writer.h"
#include "platform/base/own_record.h"
#include "platform/base/paths.h"

namespace platform {
namespace {

void SetError(std::string* error, const QString& text) {
    if (error) *error = text.toStdString();
}

}  // namespace

bool ReadBytes(const std::string& windowsPath, std::string& bytes, std::string* error) {
    const std::string host = ToHostPath(windowsPath);
    if (host.empty()) {
        SetError(error, "the drive of the path is unknown");
        return false;
    }
    QFile file(QString::fromStdString(host));
    if (const std::string why = NotAFileReason(windowsPath); !why.empty()) {
        SetError(error, QString::fromStdString(why));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    // Read straight into the string, sized by the file: no second copy of a large file.
    std::string data(static_cast<size_t>(std::max<qint64>(file.size(), 0)), '\0');
    qint64 got = 0;
    for (qint64 n; got < static_cast<qint64>(data.size()); got += n) {
        n = file.read(data.data() + got, static_cast<qint64>(data.size()) - got);
        if (n <= 0) break;
    }
    data.resize(static_cast<size_t>(got));
    // A file that grew meanwhile, or tells no size, is read on to its end.
    char more[65536];
    for (qint64 n; (n = file.read(more, sizeof more)) > 0;) {
        data.append(more, static_cast<size_t>(n));
    }
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return false;
    }
    bytes = std::move(data);
    return true;
}

bool ReadOwnFile(const std::string& windowsPath, size_t maxBytes, std::string& bytes,
                 std::string* error) {
    const auto fail = [&](std::string why) {
        if (error) *error = std::move(why);
        return false;
    };
    const std::string host = ToHostPath(windowsPath);
    if (host.empty()) return fail("the drive of the path is unknown");
    const int fd = OpenOwnRecord(host, O_RDONLY);
    if (fd < 0) {
        const int why = errno;
        struct stat st {};
        if (::lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            return fail(QFileInfo::exists(QString::fromStdString(host))
                            ? "it is a link, and the program reads its own files only as plain "
                              "files"
                            : "it is a link that loops or leads nowhere");
        }
        if (why == EINVAL) return fail(NotAFileReason(windowsPath));
        if (why == EMLINK) {
            return fail(
                "it has a second name (a hard link), and the program reads its own files "
                "only as files of their own");
        }
        return fail(std::generic_category().message(why));
    }
    std::string data;
    const int readError = ReadOwnRecordBytes(fd, maxBytes + 1, data);
    ::close(fd);
    if (readError != 0) return fail(std::generic_category().message(readError));
    if (data.size() > maxBytes) {
        return fail("it is larger than the " + std::to_string(maxBytes) +
                    " bytes the program's own settings can take");
    }
    bytes = std::move(data);
    return true;
}

bool WriteBytesAtomic(const std::string& windowsPath, std::string_view bytes, std::string* error) {
    FileWriter file;
    if (file.OpenWindowsPath(windowsPath) && file.Write(bytes) && file.Commit()) return true;
    SetError(error, QString::fromStdString(file.Error()));
    return false;
}

bool FileExists(const std::string& windowsPath) {
    const std::string host = ToHostPath(windowsPath);
    return !host.empty() && QFileInfo(QString::fromStdString(host)).isFile();
}

bool NameTaken(const std::string& windowsPath) {
    const std::string host = ToHostPath(windowsPath);
    if (host.empty()) return false;
    const QFileInfo info(QString::fromStdString(host));
    return info.exists() || info.isSymLink();
}

std::string NotAFileReason(const std::string& windowsPath) {
    const std::string host = ToHostPath(windowsPath);
    if (host.empty()) return "the drive of the path is unknown";
    const QFileInfo info(QString::fromStdString(host));
    if (info.isFile()) return {};
    if (info.isSymLink() && !info.exists()) return "it is a link that loops or leads nowhere";
    if (info.isDir()) return "it is a folder, not a file";
    if (info.exists()) return "it is not a file";
    return "it does not exist";
}

bool FolderExists(const std::string& windowsPath) {
    const std::string host = ToHostPath(windowsPath);
    return !host.empty() && QFileInfo(QString::fromStdString(host)).isDir();
}

bool SameHostFile(const std::string& a, const std::string& b) {
    const std::string hostA = ToHostPath(a);
    return !hostA.empty() && hostA == ToHostPath(b);
}

}  // namespace platform
