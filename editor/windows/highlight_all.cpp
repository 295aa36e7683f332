#include "editor/windows/highlight_all.h"

#include <QTextCursor>

#include "editor/store/text_routines.h"
#include "editor/windows/rich_text_box.h"

namespace kestrane {

std::int32_t HighlightAll(RichTextBox& box, std::string_view word, std::int32_t& start) {
    if (start <= 0) start = 1;
    if (word.empty()) return 0;
    box.EnsureDocument();
    const std::string text = box.Text();
    const std::vector<size_t> found = FindOccurrences(text, word, static_cast<size_t>(start));
    if (found.empty()) return 0;

    // The document holds one character per CR LF: walk the text once, counting line ends.
    QTextCharFormat mark;
    mark.setForeground(QColor(255, 0, 0));
    mark.setFontUnderline(true);
    QTextCursor cursor(box.document());
    cursor.beginEditBlock();
    size_t scanned = 0;
    int lineEnds = 0;
    int lastDocStart = 0;
    for (const size_t position : found) {
        for (; scanned < position - 1; ++scanned) {
            if (text[scanned] == '\n') ++lineEnds;
        }
        const int docStart = static_cast<int>(position - 1) - lineEnds;
        int wordLineEnds = 0;
        for (size_t k = position - 1; k < position - 1 + word.size(); ++k)
            wordLineEnds += text[k] == '\n';
        cursor.setPosition(docStart);
        cursor.setPosition(docStart + static_cast<int>(word.size()) - wordLineEnds,
                           QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(mark);
        lastDocStart = docStart;
    }
    cursor.endEditBlock();
    QTextCursor caret(box.document());
    caret.setPosition(lastDocStart);
    box.setTextCursor(caret);
    start = static_cast<std::int32_t>(found.back() + word.size());
    return static_cast<std::int32_t>(found.size());
}

}  // namespace kestrane
