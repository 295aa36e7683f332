#include "editor/widgets/rich_text_box.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTextDocument>

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

// The document a box holds once it has laid in all of `text`, against one filled afresh.
void ExpectShows(RichTextBox& box, const std::string& text) {
    box.EnsureDocument();
    RichTextBox fresh;
    fresh.SetText(text);
    fresh.EnsureDocument();
    // (== for texts that may be large: a failure's diff of them would not end)
    EXPECT_TRUE(box.document()->toRawText() == fresh.document()->toRawText());
    EXPECT_EQ(box.document()->blockCount(), fresh.document()->blockCount());
    EXPECT_TRUE(box.Text() == text);
    // Typed text comes back from the document itself.
    box.SetSelStart(0);
    QTest::keyClicks(&box, "X");
    EXPECT_TRUE(box.Text() == "X" + text);
}

// A text set over another changes only where they differ; where a line end changes form across
// the edge of the change, the document still holds what a fresh fill would.
TEST(RichTextBox, TextSetOverAnotherShowsExactlyTheNewText) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"a=1\r\nb=2\r\nc=3\r\n", "a=1\r\nb=22\r\nc=3\r\n"},
        {"a=1\r\nb=2\r\nc=3\r\n", "x\r\nb=2\r\nc=3\r\n"},
        {"a=1\r\nb=2\r\nc=3\r\n", "a=1\r\nb=2\r\nc=3\r\nd=4"},
        {"a=1\r\nb=2\r\nc=3\r\n", "a=1\r\nc=3\r\n"},
        {"a\rb", "a\r\nb"},
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\rb"},
        {"a\r\nb", "a\nb"},
        {"x\r", "x\r\n"},
        {"x\r\n", "x\r"},
        {"a\r\r\nb", "a\r\nb"},
        {"\r\n\r\n", "\r\n\r\n\r\n"},
        {"abc", ""},
        {"", "abc"},
        {"same\r\n", "same\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.before) + " -> " + c.after));
        RichTextBox box;
        box.SetText(c.before);
        box.show();
        box.SetText(c.after);
        EXPECT_FALSE(box.Busy());
        ExpectShows(box, c.after);
    }
}

// The same while a large text is still being laid in: a change in the part already in, one
// past it, and one that starts in it and reaches past it.
TEST(RichTextBox, TextSetWhileALargeTextIsLaidInShowsExactlyTheNewText) {
    std::string large;
    for (int n = 0; large.size() < 3'000'000; ++n) large += "Key" + std::to_string(n) + "=v\r\n";
    struct Case {
        const char* what;
        size_t at, removed;
        const char* inserted;
    };
    const Case cases[] = {
        {"in the part laid in", 10'000, 4, "Changed=1\r\n"},
        {"past it", 2'900'000, 10, "\n"},
        {"from it to past it", 100'000, 2'400'000, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RichTextBox box;
        box.SetText(large);
        box.show();
        ASSERT_TRUE(box.Busy());
        std::string changed = large;
        changed.replace(c.at, c.removed, c.inserted);
        box.SetText(changed);
        ExpectShows(box, changed);
    }
}

// The marks outside a change stay where they were; the changed text comes in unmarked.
TEST(RichTextBox, MarksOutsideAChangeStay) {
    RichTextBox box;
    box.SetText("Jump=1\r\nName=Jump\r\nJump=2\r\n");
    box.show();
    std::int32_t start = 0;
    ASSERT_EQ(HighlightAll(box, "jump", start), 3);
    box.SetText("Jump=1\r\nName=Jumper\r\nJump=2\r\n");
    EXPECT_TRUE(Marked(box, 0));
    EXPECT_TRUE(Marked(box, 13));
    EXPECT_FALSE(Marked(box, 17));  // "er", typed by the change
    EXPECT_TRUE(Marked(box, 21));  // moved by the two characters added before it
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
