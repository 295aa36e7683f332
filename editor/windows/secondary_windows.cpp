#include "editor/windows/secondary_windows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/windows/main_window.h"

namespace kestrane {
namespace {

QPointer<QWidget> g_newProfile;

}  // namespace

SecondaryWindow::SecondaryWindow(QWidget* owner, std::string_view objectName,
                                 std::string_view caption)
    : QDialog(owner) {
    setObjectName(QString::fromLatin1(objectName.data(), static_cast<qsizetype>(objectName.size())));
    setWindowTitle(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

void OpenOnce(QPointer<QWidget>& slot, QWidget* owner, std::string_view objectName,
              std::string_view caption) {
    if (slot) return;
    auto* window = new SecondaryWindow(owner, objectName, caption);
    window->resize(420, 300);
    slot = window;
    window->show();
}

void OpenNewProfileDialog(INI& owner) {
    if (g_newProfile) return;
    auto* dialog = new SecondaryWindow(&owner, "frmNewProfile", "New Profile");
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel("Profile Name:", dialog));
    auto* name = new QLineEdit(dialog);
    name->setObjectName("tbx_ProfileName");
    name->clear();
    layout->addWidget(name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);
    g_newProfile = dialog;
    dialog->show();
}

QWidget* NewProfileDialog() { return g_newProfile; }

}  // namespace kestrane
