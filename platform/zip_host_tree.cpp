#include "platform/zip_host_tree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <system_error>

#include "platform/base/paths.h"

namespace platform {

namespace {

QString Shown(const QString& hostPath) {
    return QString::fromStdString(ToWindowsPath(QFile::encodeName(hostPath).toStdString()));
}

}  // namespace

ZipHostTree::ZipHostTree(const QString& root)
    : root_(root), canonicalRoot_(QFileInfo(root).canonicalFilePath()) {}

QHash<QString, QString>& ZipHostTree::Index(const QString& folder) {
    auto it = index_.find(folder);
    if (it != index_.end()) return *it;
    QHash<QString, QString> names;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) names.insert(entry.toCaseFolded(), entry);
    return *index_.insert(folder, names);
}

QString ZipHostTree::Child(const QString& folder, const QString& name) {
    const QHash<QString, QString>& names = Index(folder);
    const auto it = names.find(name.toCaseFolded());
    return folder + '/' + (it == names.end() ? name : *it);
}

void ZipHostTree::Added(const QString& folder, const QString& name) {
    Index(folder).insert(name.toCaseFolded(), name);
}

bool ZipHostTree::Inside(const QString& hostFolder) const {
    const QString canonical = QFileInfo(hostFolder).canonicalFilePath();
    return !canonical.isEmpty() &&
           (canonical == canonicalRoot_ || canonical.startsWith(canonicalRoot_ + '/') ||
            canonicalRoot_ == "/");
}

void ZipHostTree::RemoveCreated() {
    for (auto it = created_.crbegin(); it != created_.crend(); ++it) {
        ::rmdir(QFile::encodeName(*it).constData());
    }
    created_.clear();
    folders_.clear();
    index_.clear();
}

QString ZipHostTree::Folder(const QStringList& components, QString* error) {
    QString folder = root_;
    QString key;
    for (const QString& part : components) {
        if (part.isEmpty() || part == ".") continue;
        key += '/' + part.toCaseFolded();
        if (const auto known = folders_.find(key); known != folders_.end()) {
            folder = *known;
            continue;
        }
        const QString parent = folder;
        folder = Child(parent, part);
        const QFileInfo info(folder);
        if (!info.exists()) {
            if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0) {
                if (error) {
                    *error = "cannot create the folder " + Shown(folder) + ": " +
                             QString::fromStdString(std::generic_category().message(errno));
                }
                return {};
            }
            created_.push_back(folder);
            Added(parent, part);
        } else if (!info.isDir()) {
            if (error) *error = Shown(folder) + " is not a folder";
            return {};
        }
        if (!Inside(folder)) {
            if (error) *error = Shown(folder) + " leads outside the extraction folder";
            return {};
        }
        folders_.insert(key, folder);
    }
    return folder;
}

}  // namespace platform
