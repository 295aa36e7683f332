#include "platform/base/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <system_error>

#include "platform/base/ansi.h"
#include "platform/base/file_writer.h"
#include "platform/base/files.h"
#include "platform/base/paths.h"

namespace platform {
namespace {

QString Host(const std::string& windowsPath) {
    return QString::fromStdString(ToHostPath(windowsPath));
}

int32_t ErrorOf(int error) {
    switch (error) {
        case EEXIST:
            return kErrorAlreadyExists;
        case ENOENT:
        case ENOTDIR:
            return kErrorPathNotFound;
        case ENOSPC:
        case EDQUOT:
            return kErrorDiskFull;
        case ENAMETOOLONG:
            return kErrorFilenameTooLong;
        default:
            return kErrorAccessDenied;
    }
}

// Characters Windows refuses in a file or folder name.
bool ValidWindowsName(const QString& name) {
    for (QChar c : name) {
        if (c.unicode() < 32 || QStringView(u"<>:\"|?*/").contains(c)) return false;
    }
    return true;
}

// Roots no folder command may take away: a drive, the prefix, the home folder.
bool IsDriveRoot(const QString& host) {
    const QString path = QFileInfo(host).canonicalFilePath();
    if (path.isEmpty() || path == "/") return true;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QString link = QString::fromStdString(WinePrefix()) + "/dosdevices/" + letter + ":";
        if (QFileInfo(link).canonicalFilePath() == path) return true;
    }
    const QString prefix = QString::fromStdString(WinePrefix());
    return QFileInfo(prefix + "/drive_c").canonicalFilePath() == path ||
           QFileInfo(prefix).canonicalFilePath() == path || QDir::home().canonicalPath() == path;
}

// Deletes the contents first; a folder without write permission is opened up for it, as
// Windows deletes read-only entries when forced.
bool DeleteTree(const QString& folder) {
    QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOwner |
                                      QFile::WriteOwner | QFile::ExeOwner);
    bool ok = true;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            ok = DeleteTree(entry.filePath()) && ok;
        } else {
            ok = QFile::remove(entry.filePath()) && ok;
        }
    }
    return QDir().rmdir(folder) && ok;
}

std::vector<std::string> List(const std::string& windowsFolder, QDir::Filters kind) {
    std::vector<std::string> names;
    const QString host = Host(windowsFolder);
    if (host.isEmpty() || !QFileInfo(host).isDir()) return names;
    const QStringList entries = QDir(host).entryList(
        kind | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    names.reserve(static_cast<size_t>(entries.size()));
    for (const QString& entry : entries) names.push_back(ToAnsi(entry));
    return names;
}

}  // namespace

int32_t MakeDirectory(const std::string& windowsPath, std::string* reason) {
    const QString host = Host(windowsPath);
    auto fail = [reason](int32_t code, const std::string& why) {
        if (reason) *reason = why;
        return code;
    };
    if (host.isEmpty()) return fail(kErrorPathNotFound, "the drive of the path is unknown");
    if (!ValidWindowsName(QFileInfo(host).fileName())) {
        return fail(kErrorInvalidName, "the name holds a character Windows refuses");
    }
    if (::mkdir(QFile::encodeName(host).constData(), 0777) == 0) return 0;
    const int error = errno;
    return fail(ErrorOf(error), std::generic_category().message(error));
}

bool DeleteFolderTree(const std::string& windowsPath) {
    std::string path = windowsPath;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    const QString host = Host(path);
    if (host.isEmpty() || path.empty()) return false;
    const QFileInfo info(host);
    if (!info.isDir()) return false;
    if (info.isSymLink()) return QFile::remove(host) && !QFileInfo::exists(host);
    if (IsDriveRoot(host)) return false;
    const bool ok = DeleteTree(host);
    return ok && !QFileInfo::exists(host);
}

std::vector<std::string> ListFiles(const std::string& windowsFolder) {
    return List(windowsFolder, QDir::Files);
}

std::vector<std::string> ListSubfolders(const std::string& windowsFolder) {
    return List(windowsFolder, QDir::Dirs);
}

bool RemoveFile(const std::string& windowsPath, std::string* reason) {
    auto fail = [reason](const std::string& why) {
        if (reason) *reason = why;
        return false;
    };
    const QString host = Host(windowsPath);
    if (host.isEmpty()) return fail("the drive of the path is unknown");
    const std::string why = NotAFileReason(windowsPath);
    if (!why.empty()) return fail(why);
    if (::unlink(QFile::encodeName(host).constData()) != 0) {
        return fail(std::generic_category().message(errno));
    }
    return true;
}

bool CopyFile(const std::string& fromWindowsPath, const std::string& toWindowsPath,
              bool failIfExists, std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    const QString from = Host(fromWindowsPath);
    const QString to = Host(toWindowsPath);
    if (from.isEmpty() || to.isEmpty()) return fail("the drive of the path is unknown");
    if (!QFileInfo(from).isFile()) return fail("the file to copy does not exist");
    const QFileInfo target(to);
    if (target.exists()) {
        if (failIfExists) return fail("the target exists");
        if (target.canonicalFilePath() == QFileInfo(from).canonicalFilePath()) {
            return fail("it is the file to copy itself");
        }
    }
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) return fail(source.errorString().toStdString());
    const qint64 expected = source.size();
    FileWriter copy;
    if (!copy.Open(QFile::encodeName(to).toStdString())) return fail(copy.Error());
    std::vector<char> block(1 << 20);
    for (;;) {
        const qint64 n = source.read(block.data(), static_cast<qint64>(block.size()));
        if (n < 0) {
            return fail("cannot read the file to copy: " + source.errorString().toStdString());
        }
        if (n == 0) break;
        if (!copy.Write(std::string_view(block.data(), static_cast<size_t>(n)))) {
            return fail(copy.Error());
        }
    }
    // A source that changed its length meanwhile gave no whole copy.
    if (copy.Written() != expected) return fail("the file to copy changed while it was read");
    if (!copy.Commit()) return fail(copy.Error());
    return true;
}

}  // namespace platform
