#include "editor/widgets/rich_text_box.h"

#include <gtest/gtest.h>

#include "editor/widgets/highlight_all.h"

namespace kestrane {
namespace {

bool Marked(const RichTextBox& box, int position) {
    const QTextCharFormat f = box.FormatAt(position);
    return f.fontUnderline() && f.foreground().color() == QColor(255, 0, 0);
}

TEST(RichTextBox, TextKeepsCrLfAndAnsiBytes) {
    RichTextBox box;
    box.SetText("[Engine.Input]\r\nName=Caf\xe9\r\n");
    EXPECT_EQ(box.Text(), "[Engine.Input]\r\nName=Caf\xe9\r\n");
    box.AppendText("X=1");
    EXPECT_EQ(box.Text(), "[Engine.Input]\r\nName=Caf\xe9\r\nX=1");
}

TEST(RichTextBox, UneditedTextKeepsEveryByteAndEditsKeepNoBreakSpaces) {
    RichTextBox box;
    const std::string bytes =
        "Aliases[0]=(Command=\"say a\xa0"
        "b\")\r\nAliases[1]=(Command=\"c\nd\rx\")\r\n";
    box.SetText(bytes);
    box.show();  // laid out into the document
    EXPECT_EQ(box.Text(), bytes);
    box.AppendText("Aliases[2]=e");
    EXPECT_EQ(box.Text(), bytes + "Aliases[2]=e");

    box.SetText(
        "x=a\xa0"
        "b");
    box.show();
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    end.insertText("!");
    EXPECT_EQ(box.Text(),
              "x=a\xa0"
              "b!");
}

TEST(RichTextBox, SelectionCountsLineEndsAsTwo) {
    RichTextBox box;
    box.SetText("ab\r\ncd");
    box.SetSelStart(4);  // "c"
    box.SetSelLength(2);
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_EQ(box.SelLength(), 2);
    EXPECT_EQ(box.textCursor().selectedText(), "cd");
}

TEST(HighlightAll, MarksEveryOccurrenceAnyCaseThenNoneAfterTheLast) {
    RichTextBox box;
    box.SetText("Jump\r\nbind jump\r\nJUMP=1\r\nx=jUmP");
    std::int32_t start = 0;
    EXPECT_EQ(HighlightAll(box, "jump", start), 4);
    for (int position : {0, 11, 17, 27}) EXPECT_TRUE(Marked(box, position)) << position;
    EXPECT_FALSE(Marked(box, 6));
    EXPECT_EQ(start, 28 + 4);  // just after the last occurrence, 1-based
    EXPECT_EQ(box.SelStart(), 27);
    EXPECT_EQ(box.Text(), "Jump\r\nbind jump\r\nJUMP=1\r\nx=jUmP");
    EXPECT_EQ(HighlightAll(box, "jump", start), 0);
    std::int32_t none = 1;
    EXPECT_EQ(HighlightAll(box, "", none), 0);
}

}  // namespace
}  // namespace kestrane
