#include "platform/message_box.h"

#include <QMessageBox>

#include "platform/base/ansi.h"

namespace platform {
namespace {

std::string g_programTitle;

}  // namespace

void SetProgramTitle(const std::string& title) {
    g_programTitle = title;
}

MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, const std::string& title,
                      QWidget* owner, MsgIcon icon) {
    const std::string caption = title.empty() ? g_programTitle : title;
    if (ScriptedResponder* responder = ScriptedResponder::Current()) {
        return responder->TakeMessage({text, caption, buttons, icon});
    }
    QMessageBox box(owner);
    box.setWindowTitle(FromAnsi(caption));
    // Messages name files, keys and values as they stand: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(FromAnsi(text));
    if (icon == MsgIcon::Critical) box.setIcon(QMessageBox::Critical);
    if (icon == MsgIcon::Question) box.setIcon(QMessageBox::Question);
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

}  // namespace platform
