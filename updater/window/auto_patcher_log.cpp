// The log box: program text with CR LF between lines, added at its end so that the look of
// earlier lines stays.
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/base/ansi.h"
#include "updater/window/auto_patcher.h"

namespace patchwell {
namespace {

QString ToBox(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
    }
    return platform::FromAnsi(lines);
}

}  // namespace

std::string frmAutoPatcher::LogText() const {
    std::string text = platform::ToAnsi(txtMain->toPlainText());
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

void frmAutoPatcher::SetLogText(const std::string& text) {
    txtMain->setPlainText(ToBox(text));
}

void frmAutoPatcher::AppendLog(const std::string& addition) {
    QTextCursor cursor(txtMain->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(ToBox(addition), QTextCharFormat());
}

void frmAutoPatcher::MarkLogTail(size_t characters) {
    QTextCursor cursor(txtMain->document());
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, static_cast<int>(characters));
    QTextCharFormat look;
    look.setForeground(QColor(255, 0, 0));
    look.setFontWeight(QFont::Bold);
    look.setFontPointSize(12);
    cursor.mergeCharFormat(look);
}

void frmAutoPatcher::ScrollRTBDown() {
    txtMain->setFocus();
    QTextCursor cursor = txtMain->textCursor();
    cursor.movePosition(QTextCursor::End);
    txtMain->setTextCursor(cursor);
    txtMain->ensureCursorVisible();
}

}  // namespace patchwell
