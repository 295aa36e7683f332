#include "platform/base/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/base/ansi.h"

namespace platform {
namespace {

std::string g_programFolderOverride;

QString HostDriveRoot(QChar letter) {
    const QString prefix = QString::fromStdString(WinePrefix());
    const QString link = prefix + "/dosdevices/" + letter.toLower() + ":";
    QFileInfo info(link);
    if (info.exists()) return info.canonicalFilePath();
    if (letter.toLower() == 'c') return prefix + "/drive_c";
    if (letter.toLower() == 'z') return "/";
    return {};
}

// Appends one component, taking an existing entry whose name differs only in case.
QString MatchComponent(const QString& folder, const QString& name) {
    const QString exact = folder.endsWith('/') ? folder + name : folder + '/' + name;
    if (name == "." || name == ".." || QFileInfo::exists(exact)) return exact;
    const QDir dir(folder.isEmpty() ? "/" : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return folder.endsWith('/') ? folder + entry : folder + '/' + entry;
        }
    }
    return exact;
}

QString ResolveComponents(QString root, const QStringList& parts) {
    for (const QString& part : parts) {
        if (part.isEmpty()) continue;
        root = MatchComponent(root, part);
    }
    return root;
}

}  // namespace

std::string WinePrefix() {
    const QByteArray env = qgetenv("WINEPREFIX");
    if (!env.isEmpty()) return env.toStdString();
    return (QDir::homePath() + "/.wine").toStdString();
}

std::string ToHostPath(const std::string& windowsPath) {
    QString text = FromAnsi(windowsPath);
    if (text.startsWith('/')) {
        return QFile::encodeName(ResolveComponents("/", text.split('/'))).toStdString();
    }
    text.replace('\\', '/');
    QString root;
    if (text.size() >= 2 && text[1] == ':' && text[0].isLetter()) {
        root = HostDriveRoot(text[0]);
        if (root.isEmpty()) return {};
        text = text.mid(2);
    } else if (text.startsWith("//")) {
        return {};  // network shares have no host counterpart
    } else if (text.startsWith('/')) {
        root = HostDriveRoot('c');
    } else {
        root = QDir::currentPath();
    }
    return QFile::encodeName(ResolveComponents(root, text.split('/'))).toStdString();
}

std::string ToWindowsPath(const std::string& hostPath) {
    QString host =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(hostPath))).absoluteFilePath();
    const QString canonical = QFileInfo(host).canonicalFilePath();
    if (!canonical.isEmpty()) host = canonical;

    // The most specific drive wins (c: -> drive_c before z: -> /).
    std::pair<QChar, QString> best{QChar(), QString()};
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QString root = HostDriveRoot(QChar(letter));
        if (root.isEmpty()) continue;
        const QString withSlash = root.endsWith('/') ? root : root + '/';
        if ((host == root || host.startsWith(withSlash)) && root.size() > best.second.size()) {
            best = {QChar(letter).toUpper(), root};
        }
    }
    QString rest;
    QChar drive = 'Z';
    if (!best.second.isEmpty()) {
        drive = best.first;
        rest = best.second == "/" ? host : host.mid(best.second.size());
    } else {
        rest = host;
    }
    while (rest.endsWith('/') && rest.size() > 1) rest.chop(1);
    rest.replace('/', '\\');
    if (!rest.startsWith('\\')) rest.prepend('\\');
    if (rest == "\\") rest.clear();
    return ToAnsi(QString(drive) + ':' + rest);
}

std::string ProgramFolder() {
    if (!g_programFolderOverride.empty()) return ToWindowsPath(g_programFolderOverride);
    return ToWindowsPath(QCoreApplication::applicationDirPath().toStdString());
}

void SetProgramFolderForTest(const std::string& hostFolder) {
    g_programFolderOverride = hostFolder;
}

}  // namespace platform
