// The main window's size: on a screen with room, a first size fixed beforehand (rather than
// measured at each start) that holds every page at its least size and every tab caption on
// one row, with the small files and with the largest real ones loaded; on a smaller screen, a
// window that fits it, whose pages scroll rather than squeeze down to the least size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "editor/instant_action/game_types.h"
#include "editor/widgets/screen_fit.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/main_tabs.h"
#include "editor/windows/tools/about_window.h"
#include "editor/windows/tools/cache_window.h"
#include "editor/windows/tools/color_name_window.h"
#include "editor/windows/tools/instant_action_window.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

// Each page at `size`: true when every page fits its tab whole; pages never get less than
// their least size either way.
bool EveryPageFitsAt(INI& window, QSize size) {
    window.resize(size);
    window.show();
    bool fits = true;
    for (const TabRow& tab : kMainTabs) {
        window.ShowTab(tab.id);
        QApplication::processEvents();
        QWidget* page = window.Tab(tab.id);
        const QSize least = page->minimumSizeHint();
        EXPECT_GE(page->width(), least.width()) << tab.id;
        EXPECT_GE(page->height(), least.height()) << tab.id;
        auto* scroll = qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget());
        EXPECT_NE(scroll, nullptr) << tab.id;
        if (scroll && (scroll->horizontalScrollBar()->isVisible() ||
                       scroll->verticalScrollBar()->isVisible())) {
            fits = false;
        }
    }
    return fits;
}

void ExpectStartSizeHoldsEveryPage() {
    INI& window = MainWindow();
    EXPECT_TRUE(EveryPageFitsAt(window, INI::kStartSize));
    const int captions = window.SSTab1()->tabBar()->sizeHint().width() + 8;
    EXPECT_GE(INI::kStartSize.width(), captions);
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

TEST_F(EditorTest, AtItsLeastSizeTheWindowScrollsItsPagesAndCutsNothing) {
    Install();
    ASSERT_TRUE(Start());
    INI& window = MainWindow();
    window.resize(1, 1);
    EXPECT_EQ(window.size(), INI::kLeastSize);
    EXPECT_FALSE(EveryPageFitsAt(window, INI::kLeastSize));
}

TEST_F(EditorTest, TheOtherWindowsFitAScreenOf1280By720) {
    Install();
    ASSERT_TRUE(Start());
    const QSize screen(1280, 720);
    auto fits = [&](QWidget* w, const char* name) {
        ASSERT_NE(w, nullptr) << name;
        const QSize framed = w->minimumSizeHint().expandedTo(w->size()).grownBy(kFrameAllowance);
        EXPECT_LE(framed.width(), screen.width()) << name;
        EXPECT_LE(framed.height(), screen.height()) << name;
    };
    Trigger("mnuInstantActionSettings");
    auto* action = MainWindow().findChild<frmInstantAction*>();
    ASSERT_NE(action, nullptr);
    for (const GameTypeRow& type : GameTypeTable()) {
        action->LoadMaplist(std::string(type.name));
        QApplication::processEvents();
        fits(action, type.name.data());
    }
    Trigger("mnuCacheEdit");
    fits(MainWindow().findChild<frmCache_Edit*>(), "Cache Manager");
    MainWindow().findChild<QAbstractButton*>("btnColorName")->click();
    fits(MainWindow().findChild<frmColorName*>(), "Name Colorizer");
    Trigger("mnuAbout");
    fits(MainWindow().findChild<frmAbout*>(), "About");
}

struct FitCase {
    QRect available;
    QRect placed;  // frame corner and window size
};

TEST(ScreenFit, TheWindowAndItsFrameFitTheScreenItOpensOn) {
    // The frame allowance is 8 left and right, 40 above and 8 below.
    const FitCase cases[] = {
        {{0, 0, 1920, 1080}, {272, 136, 1360, 760}},  // room: the size asked for, centred
        {{0, 0, 1280, 720}, {0, 0, 1264, 672}},
        {{0, 30, 1280, 690}, {0, 30, 1264, 642}},      // a panel along the top
        {{1920, 0, 1280, 720}, {1920, 0, 1264, 672}},  // a second screen
        {{0, 0, 640, 480}, {0, 0, 800, 500}},  // the least size wins, its corner on the screen
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(FitOnScreen(INI::kStartSize, INI::kLeastSize, c.available), c.placed)
            << c.available.width() << "x" << c.available.height();
    }
}

}  // namespace
}  // namespace kestrane::test
