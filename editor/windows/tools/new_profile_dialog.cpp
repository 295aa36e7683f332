#include "editor/windows/tools/new_profile_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/store/profile_names.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tools/profiles.h"
#include "platform/base/ansi.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

QPointer<frmNewProfile> g_dialog;

}  // namespace

frmNewProfile::frmNewProfile(INI& owner)
    : QDialog(&owner),
      owner_(owner),
      name_(new QLineEdit(this)),
      ok_(new QPushButton("OK", this)),
      cancel_(new QPushButton("Cancel", this)) {
    setObjectName("frmNewProfile");
    setWindowTitle("Kestrane INI - New Profile");
    setModal(false);

    auto* label = new QLabel("New Profile Name", this);
    label->setBuddy(name_);
    name_->setObjectName("tbxNewProfile");
    name_->setMinimumWidth(260);
    ok_->setObjectName("OKButton");
    ok_->setDefault(true);
    cancel_->setObjectName("CancelButton");
    cancel_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(name_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &frmNewProfile::OKButton_Click);
    connect(cancel_, &QPushButton::clicked, this, &frmNewProfile::CancelButton_Click);
}

void frmNewProfile::Form_Load() {
    name_->clear();
    show();
    // Typing goes to the name at once, as it does in a dialog the platform opens.
    activateWindow();
    name_->setFocus();
}

void frmNewProfile::OKButton_Click() {
    const QString typed = name_->text();
    const std::string name = platform::ToAnsi(typed);
    // The name is stored as 8-bit text; one that would come back different is refused.
    if (platform::FromAnsi(name) != typed) {
        platform::ShowMessage(
            ProfileNameMessage(name, "it holds a character the game's 8-bit text cannot hold"),
            platform::MsgButtons::Ok, {}, this);
        return;
    }
    if (CreateProfile(owner_, name, this) == NewProfileNext::Close) Unload();
}

void frmNewProfile::CancelButton_Click() {
    Unload();
}

void frmNewProfile::reject() {
    CancelButton_Click();
}

void frmNewProfile::closeEvent(QCloseEvent* event) {
    event->accept();
    CancelButton_Click();
}

void frmNewProfile::Unload() {
    if (g_dialog == this) g_dialog = nullptr;
    hide();
    deleteLater();
}

void OpenNewProfileDialog(INI& owner) {
    if (g_dialog) return;
    g_dialog = new frmNewProfile(owner);
    g_dialog->Form_Load();
}

frmNewProfile* NewProfileDialog() {
    return g_dialog;
}

}  // namespace kestrane
