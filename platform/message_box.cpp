#include "platform/message_box.h"

#include <QMessageBox>

#include "platform/base/ansi.h"

namespace platform {
namespace {

std::string g_programTitle;

bool HasButton(MsgButtons buttons, MsgAnswer answer) {
    switch (buttons) {
        case MsgButtons::Ok:
            return answer == MsgAnswer::Ok;
        case MsgButtons::YesNo:
            return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
        case MsgButtons::YesNoCancel:
            return answer != MsgAnswer::Ok;
    }
    return false;
}

MsgAnswer DefaultOf(MsgButtons buttons, std::optional<MsgAnswer> wanted) {
    if (wanted && HasButton(buttons, *wanted)) return *wanted;
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
}

QMessageBox::StandardButton ButtonOf(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok:
            return QMessageBox::Ok;
        case MsgAnswer::Yes:
            return QMessageBox::Yes;
        case MsgAnswer::No:
            return QMessageBox::No;
        case MsgAnswer::Cancel:
            return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

}  // namespace

void SetProgramTitle(const std::string& title) {
    g_programTitle = title;
}

MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, const std::string& title,
                      QWidget* owner, MsgIcon icon, std::optional<MsgAnswer> defaultAnswer) {
    const std::string caption = title.empty() ? g_programTitle : title;
    const MsgAnswer enter = DefaultOf(buttons, defaultAnswer);
    if (ScriptedResponder* responder = ScriptedResponder::Current()) {
        return responder->TakeMessage({text, caption, buttons, icon, enter});
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
    // Set, not left to the style: Enter, or a key left over from an earlier dialog, presses it.
    box.setDefaultButton(ButtonOf(enter));
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
