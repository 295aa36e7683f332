// A 50 MB User.ini: its raw tab shows at once and stays responsive while the rest of the text
// is laid in and a search marks every match.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

std::string FiftyMegabytes() {
    std::string text = "[DefaultPlayer]\r\nName=Player\r\n";
    for (int n = 0; text.size() < 50'000'000; ++n) {
        const std::string k = std::to_string(n);
        text += "[Section" + k + "]\r\nKey" + k + "=Engine.Value" + k + "\r\nOther=thing\n\r\n";
    }
    return text + "[Last]\r\nLastKey=ENGINE\r\n";
}

bool Marked(const RichTextBox& box, int position) {
    const QTextCharFormat f = box.FormatAt(position);
    return f.fontUnderline() && f.foreground().color() == QColor(255, 0, 0);
}

// The longest turn of the event loop until the box has nothing left to do.
qint64 LongestTurnUntilDone(const RichTextBox& box) {
    QElapsedTimer total;
    total.start();
    qint64 longest = 0;
    while (box.Busy() && total.elapsed() < 180'000) {
        QElapsedTimer turn;
        turn.start();
        QApplication::processEvents();
        longest = std::max(longest, turn.elapsed());
    }
    return longest;
}

using RawIniLargeTest = test::EditorTest;

TEST_F(RawIniLargeTest, FiftyMegabyteUserIniShowsAtOnceAndSearchesWithoutFreezing) {
    const std::string user = FiftyMegabytes();
    Install(user);
    ASSERT_TRUE(Start());
    INI& window = MainWindow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* box = window.Controls().Get<RichTextBox>({"RTB_User", 0});

    QElapsedTimer clock;
    clock.start();
    window.ShowTab("user_ini");
    QApplication::processEvents();
    const qint64 show = clock.elapsed();
    EXPECT_LT(show, 1000);

    auto* search = window.Controls().Get<QLineEdit>({"tbxSearch", 0});
    QTest::keyClicks(search, "engine");
    clock.restart();
    QTest::keyClick(search, Qt::Key_Return);
    const qint64 searchCall = clock.elapsed();
    EXPECT_LT(searchCall, 1000);
    const qint64 longest = LongestTurnUntilDone(*box);
    const qint64 done = clock.elapsed();
    EXPECT_FALSE(box->Busy());
    EXPECT_LT(longest, 300);
    std::printf(
        "50 MB: shown in %lld ms, search returned in %lld ms, all marked after %lld ms, "
        "longest turn %lld ms\n",
        static_cast<long long>(show), static_cast<long long>(searchCall),
        static_cast<long long>(done), static_cast<long long>(longest));

    const int first = static_cast<int>(user.find("Engine"));
    const int last = static_cast<int>(user.rfind("ENGINE"));
    EXPECT_TRUE(Marked(*box, first));
    EXPECT_TRUE(Marked(*box, last + 5));
    EXPECT_FALSE(Marked(*box, last - 1));
    EXPECT_EQ(box->SelStart(), last);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->Text(), user);
}

}  // namespace
}  // namespace kestrane
