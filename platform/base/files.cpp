#include "platform/base/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

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

bool WriteBytesAtomic(const std::string& windowsPath, std::string_view bytes, std::string* error) {
    const std::string host = ToHostPath(windowsPath);
    if (host.empty()) {
        SetError(error, "the drive of the path is unknown");
        return false;
    }
    const QString name = QString::fromStdString(host);
    const QFileInfo info(name);
    if (!info.dir().exists()) {
        SetError(error, "its folder does not exist");
        return false;
    }
    // A read-only file stays as it is, as it would on Windows (for root too: no write bit
    // for the owner is the read-only attribute).
    const bool readOnly =
        info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
    if (info.exists() && (!info.isFile() || readOnly)) {
        SetError(error, info.isFile() ? "the file is read-only" : "it is not a file");
        return false;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        SetError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

bool FileExists(const std::string& windowsPath) {
    const std::string host = ToHostPath(windowsPath);
    return !host.empty() && QFileInfo(QString::fromStdString(host)).isFile();
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

}  // namespace platform
