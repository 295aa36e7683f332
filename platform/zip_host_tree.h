// Host folders below an extraction folder, matched without regard to case as Windows does,
// each folder listed once however many entries land in it.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace platform {

class ZipHostTree {
  public:
    // `root`: an existing host folder.
    explicit ZipHostTree(const QString& root);

    // The host folder for the components below the root, created when missing; empty with a
    // reason (naming the folder by its Windows path) when it cannot be made or when it
    // resolves outside the root (through a link).
    QString Folder(const QStringList& components, QString* error);
    // Takes away the folders Folder created, deepest first, as far as they are still empty.
    void RemoveCreated();
    // Every folder Folder created, in the order made.
    const QStringList& Created() const { return created_; }

    // The host path of a name in a folder returned by Folder: an existing entry of the same
    // name in another case, else the name as given.
    QString Child(const QString& folder, const QString& name);
    void Added(const QString& folder, const QString& name);

  private:
    QHash<QString, QString>& Index(const QString& folder);
    bool Inside(const QString& hostFolder) const;

    QString root_;
    QString canonicalRoot_;
    QHash<QString, QHash<QString, QString>> index_;  // folder -> case-folded name -> name
    QHash<QString, QString> folders_;                // case-folded components -> host folder
    QStringList created_;
};

}  // namespace platform
