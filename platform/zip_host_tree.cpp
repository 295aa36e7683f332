#include "platform/zip_host_tree.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

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
            if (!QDir().mkdir(folder)) {
                if (error) *error = "cannot create the folder " + folder;
                return {};
            }
            Added(parent, part);
        } else if (!info.isDir()) {
            if (error) *error = folder + " is not a folder";
            return {};
        }
        if (!Inside(folder)) {
            if (error) *error = folder + " leads outside the extraction folder";
            return {};
        }
        folders_.insert(key, folder);
    }
    return folder;
}

}  // namespace platform
