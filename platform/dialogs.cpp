#include "platform/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

#include "platform/base/ansi.h"
#include "platform/base/paths.h"
#include "platform/scripted_responder.h"

namespace platform {
namespace {

enum class FileDialogKind { Open, Save };

// The host folder, or the nearest folder above it that exists (a game without a Textures
// folder opens on the game folder, not wherever the program happens to run).
QString HostFolder(const std::string& windowsFolder) {
    if (windowsFolder.empty()) return {};
    const QString host = QFile::decodeName(QByteArray::fromStdString(ToHostPath(windowsFolder)));
    if (host.isEmpty()) return {};
    QString path = QDir::cleanPath(host);
    while (!QFileInfo(path).isDir()) {
        const QString up = QFileInfo(path).absolutePath();
        if (up == path) return {};
        path = up;
    }
    return path;
}

std::string ResultPath(const QString& host) {
    std::string path = ToWindowsPath(host.toStdString());
    if (path.size() == 2 && path[1] == ':') path.push_back('\\');
    return path;
}

std::string ShowFileDialog(FileDialogKind kind, const std::string& filter,
                           const std::string& defaultExtension, const std::string& initialFolder,
                           int32_t flags, QWidget* owner) {
    const char* caption = kind == FileDialogKind::Open ? "Open" : "Save As";
    if (ScriptedResponder* responder = ScriptedResponder::Current()) {
        return responder->TakeFile({caption, filter, defaultExtension, initialFolder, flags});
    }
    QFileDialog dialog(owner, QString::fromLatin1(caption), HostFolder(initialFolder));
    dialog.setAcceptMode(kind == FileDialogKind::Open ? QFileDialog::AcceptOpen
                                                      : QFileDialog::AcceptSave);
    dialog.setFileMode((flags & kOfnFileMustExist) ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
    if (kind == FileDialogKind::Save && !(flags & kOfnOverwritePrompt)) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    // The list shows the descriptions as given; the patterns stay hidden as on Windows.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = ToQtNameFilters(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(FromAnsi(defaultExtension));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : ResultPath(chosen.first());
}

}  // namespace

QStringList ToQtNameFilters(const std::string& filter) {
    const QStringList parts = FromAnsi(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        if (description.isEmpty() || patterns.isEmpty()) break;
        patterns.replace(';', ' ');
        patterns = patterns.simplified();
        if (patterns == "*.*") patterns = "*";  // any name, also one without a dot
        filters.push_back(description + " (" + patterns + ")");
    }
    return filters;
}

std::string ShowOpenDialog(const std::string& filter, const std::string& defaultExtension,
                           const std::string& initialFolder, int32_t flags, QWidget* owner) {
    return ShowFileDialog(FileDialogKind::Open, filter, defaultExtension, initialFolder, flags,
                          owner);
}

std::string ShowSaveDialog(const std::string& filter, const std::string& defaultExtension,
                           const std::string& initialFolder, int32_t flags, QWidget* owner) {
    return ShowFileDialog(FileDialogKind::Save, filter, defaultExtension, initialFolder, flags,
                          owner);
}

std::string BrowseForFolder(QWidget* owner, const std::string& title,
                            const std::string& startFolder) {
    if (ScriptedResponder* responder = ScriptedResponder::Current()) {
        return responder->TakeFolder({title, {}, {}, startFolder, 0});
    }
    // Qt's own dialog, since the platform's native one cannot take the status line.
    QFileDialog dialog(owner, FromAnsi(title), HostFolder(startFolder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    auto* status = new QLabel(&dialog);
    status->setTextFormat(Qt::PlainText);  // a folder name is no markup
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto showPath = [status](const QString& host) {
        if (QFileInfo(host).isDir()) status->setText(FromAnsi(ResultPath(host)));
    };
    showPath(dialog.directory().absolutePath());
    QObject::connect(&dialog, &QFileDialog::currentChanged, status, showPath);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, status, showPath);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : ResultPath(chosen.first());
}

}  // namespace platform
