// A 50 MB User.ini: its raw tab shows the start at once and stays usable while the rest of the
// text is laid in and a search marks every match. Whether the window froze is judged by the
// work done in each step of the event loop, never by a clock: a busy machine cannot fail it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <vector>

#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "tests/support/large_user_ini.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

bool Marked(const QTextCharFormat& f) {
    return f.fontUnderline() && f.foreground().color() == QColor(255, 0, 0);
}

size_t CountNoCase(const std::string& text, const std::string& lowerWord) {
    size_t count = 0;
    for (size_t i = 0; i + lowerWord.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < lowerWord.size() &&
               std::tolower(static_cast<unsigned char>(text[i + k])) == lowerWord[k]) {
            ++k;
        }
        if (k == lowerWord.size()) {
            ++count;
            i += k - 1;
        }
    }
    return count;
}

// The document's length as each step of the box's own work begins: the growth from one to the
// next is what a single step laid in.
class StepWatch : public QObject {
  public:
    explicit StepWatch(RichTextBox& box) : box_(box) {
        for (QTimer* timer : box.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            timer->installEventFilter(this);
        }
    }
    int Steps() const { return static_cast<int>(lengths_.size()); }
    // The most characters one step added, the last step (to the end) included.
    int LargestGrowth() const {
        int largest = 0, before = 0;
        for (const int length : lengths_) {
            largest = std::max(largest, length - before);
            before = length;
        }
        return std::max(largest, box_.document()->characterCount() - before);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer) lengths_.push_back(box_.document()->characterCount());
        return false;
    }

  private:
    RichTextBox& box_;
    std::vector<int> lengths_;
};

using RawIniLargeTest = test::EditorTest;

TEST_F(RawIniLargeTest, FiftyMegabyteUserIniShowsAtOnceAndSearchesWithoutFreezing) {
    const std::string user = test::FiftyMegabyteUserIni();
    Install(user);
    ASSERT_TRUE(Start());
    INI& window = MainWindow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.ShowTab("user_ini");
    auto* box = window.Controls().Get<RichTextBox>({"RTB_User", 0});
    StepWatch steps(*box);
    QApplication::processEvents();

    // The start is shown while most of the text is still to come.
    ASSERT_TRUE(box->Busy());
    EXPECT_EQ(box->document()->firstBlock().text(), "[DefaultPlayer]");
    EXPECT_LT(box->document()->characterCount(), 10'000'000);

    // Keys are taken and the view scrolls meanwhile.
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->SelStart(), 17);  // the start of the second line
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(box->Busy());

    // The search returns before the text is all in; its marks follow in steps.
    auto* search = window.Controls().Get<QLineEdit>({"tbxSearch", 0});
    QTest::keyClicks(search, "engine");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(box->Busy());
    while (box->Busy()) QApplication::processEvents();

    // No step laid in more than a megabyte, so the text took many steps.
    EXPECT_LE(steps.LargestGrowth(), 1 << 20);
    EXPECT_GE(steps.Steps(), 45);

    // Every match is marked, and nothing else.
    size_t marks = 0;
    bool onlyMatches = true;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!Marked(it.fragment().charFormat())) continue;
            ++marks;
            onlyMatches = onlyMatches && it.fragment().text().toLower() == "engine";
        }
    }
    EXPECT_EQ(marks, CountNoCase(user, "engine"));
    EXPECT_TRUE(onlyMatches);
    EXPECT_EQ(box->SelStart(), static_cast<int>(user.rfind("ENGINE")));
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(box->Text() == user);  // (== : a diff of 50 MB would not end)
}

}  // namespace
}  // namespace kestrane
