// The main window's first size is fixed beforehand rather than measured at each start: it must
// hold every page at its least size and every tab caption on one row, with the small files and
// with the largest real ones loaded.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "editor/windows/main_window.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

void ExpectStartSizeHoldsEveryPage() {
    INI& window = MainWindow();
    EXPECT_EQ(window.size(), INI::kStartSize);
    const QSize least = window.minimumSizeHint();
    const int captions = window.SSTab1()->tabBar()->sizeHint().width() + 8;
    EXPECT_GE(INI::kStartSize.width(), std::max({1120, captions, least.width()}))
        << "least " << least.width() << ", captions " << captions;
    EXPECT_GE(INI::kStartSize.height(), std::max(760, least.height())) << least.height();
}

TEST_F(EditorTest, StartSizeHoldsEveryPage) {
    Install();
    ASSERT_TRUE(Start());
    ExpectStartSizeHoldsEveryPage();
}

TEST_F(EditorTest, StartSizeHoldsEveryPageWithTheLargestRealFiles) {
    const std::vector<std::string> users = RealUserInis();
    const std::vector<std::string> uts = RealUt2004Inis();
    if (users.empty() || uts.empty()) GTEST_SKIP() << "real fixtures absent";
    std::string user, ut;
    for (const std::string& path : users) {
        std::string text = ReadHostFile(path);
        if (text.size() > user.size()) user = std::move(text);
    }
    for (const std::string& path : uts) {
        std::string text = ReadHostFile(path);
        if (text.size() > ut.size()) ut = std::move(text);
    }
    Install(ToCrLf(user), ToCrLf(ut), "Music=OFF\r\nProfileName=Player\r\nCacheDelete=False\r\n");
    ASSERT_TRUE(Start());
    ExpectStartSizeHoldsEveryPage();
}

}  // namespace
}  // namespace kestrane::test
