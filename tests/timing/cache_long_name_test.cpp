// A cache.ini whose one entry names a 16 MB file: the window opens at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "tests/windows/cache_fixture.h"

namespace kestrane {
namespace {

using test::CacheWindowTest;
using test::kUt2004;
using test::WithoutLine;

// A name longer than a file name can be (255 bytes) names no package: its line is kept as it
// stands and is neither listed nor counted, and a 16 MB one costs the window nothing.
TEST_F(CacheWindowTest, NamesLongerThanAFileNameAreKeptButNotListed) {
    const std::string longest = std::string(251, 'y') + ".ut2";  // 255 bytes: a file name
    const std::string ini = "[Cache]\r\nA-1=Map.ut2\r\nB-1=" + std::string(16 << 20, 'x') +
                            ".ut2\r\nC-1=" + longest + "\r\nD-1=z" + longest + "\r\n";
    Payload("A-1");
    Install(test::kSmallUserIni, kUt2004);
    prefix->Write("UT2004/Cache/cache.ini", ini);
    ASSERT_TRUE(Start());
    QElapsedTimer clock;
    clock.start();
    frmCache_Edit& w = Show();
    QApplication::processEvents();  // painted
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(ListSizes(w), (std::vector<int>{0, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(w.CacheList(1)->item(1)->text().toStdString(), longest);
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 2 Files In Cache");
    Highlight(w, 1, "Map.ut2");
    Press(w, "b_CacheDelete");
    EXPECT_TRUE(CacheIniOnDisk() == WithoutLine(ini, "A-1=Map.ut2\r\n"));
}

}  // namespace
}  // namespace kestrane
