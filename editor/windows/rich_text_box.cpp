#include "editor/windows/rich_text_box.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/base/ansi.h"

namespace kestrane {
namespace {

// The widget's documents hold one paragraph separator per line end; the files hold CR LF.
// Positions outside convert by counting the line ends before them.
int ToDocument(const QTextDocument* doc, int position) {
    const QTextBlock last = doc->lastBlock();
    int outside = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;  // without its separator
        if (position <= outside + length || block == last) {
            return block.position() + std::min(position - outside, length);
        }
        outside += length + 2;
        if (position < outside) return block.position() + length;
    }
    return 0;
}

int FromDocument(const QTextDocument* doc, int position) {
    const QTextBlock block = doc->findBlock(position);
    return position + block.blockNumber();  // one extra character for each CR LF before it
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// The document's text with its no-break spaces (which toPlainText turns into blanks) and one
// "\n" between blocks.
QString RichTextBox::ShownText() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    text.replace(QChar::LineSeparator, '\n');
    return text;
}

std::string RichTextBox::Text() const {
    if (pending_) return *pending_;
    QString text = ShownText();
    // Unedited text comes back as the bytes it came from, lone CR and LF included.
    if (text == shown_) return loaded_;
    text.replace('\n', "\r\n");
    return platform::ToAnsi(text);
}

void RichTextBox::SetText(const std::string& bytes) {
    pending_ = bytes;
    if (isVisible()) EnsureDocument();
}

void RichTextBox::EnsureDocument() {
    if (!pending_) return;
    QString text = platform::FromAnsi(*pending_);
    loaded_ = std::move(*pending_);
    pending_.reset();
    text.replace("\r\n", "\n");
    setPlainText(text);
    shown_ = ShownText();
}

void RichTextBox::showEvent(QShowEvent* event) {
    EnsureDocument();
    QPlainTextEdit::showEvent(event);
}

void RichTextBox::AppendText(const std::string& bytes) {
    if (pending_) {
        *pending_ += bytes;
        if (isVisible()) EnsureDocument();
        return;
    }
    const bool unedited = ShownText() == shown_;
    QString text = platform::FromAnsi(bytes);
    text.replace("\r\n", "\n");
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    if (unedited) {
        loaded_ += bytes;
        shown_ = ShownText();
    }
}

int RichTextBox::SelStart() const {
    const_cast<RichTextBox*>(this)->EnsureDocument();
    return FromDocument(document(), textCursor().selectionStart());
}

void RichTextBox::SetSelStart(int start) {
    EnsureDocument();
    QTextCursor cursor = textCursor();
    cursor.setPosition(ToDocument(document(), std::max(0, start)));
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const {
    const_cast<RichTextBox*>(this)->EnsureDocument();
    const QTextCursor cursor = textCursor();
    return FromDocument(document(), cursor.selectionEnd()) -
           FromDocument(document(), cursor.selectionStart());
}

void RichTextBox::SetSelLength(int length) {
    EnsureDocument();
    QTextCursor cursor = textCursor();
    const int start = SelStart();
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(ToDocument(document(), start + std::max(0, length)),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::SetSelColor(unsigned color) {
    EnsureDocument();
    QTextCharFormat format;
    format.setForeground(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    textCursor().mergeCharFormat(format);
}

void RichTextBox::SetSelMarked(bool on) {
    EnsureDocument();
    QTextCharFormat format;
    format.setFontUnderline(on);
    textCursor().mergeCharFormat(format);
}

QTextCharFormat RichTextBox::FormatAt(int position) const {
    const_cast<RichTextBox*>(this)->EnsureDocument();
    QTextCursor cursor(document());
    cursor.setPosition(ToDocument(document(), position) + 1);  // the format of the char before
    return cursor.charFormat();
}

}  // namespace kestrane
