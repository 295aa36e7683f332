#include "editor/windows/tools/about_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;

TEST_F(EditorTest, AboutShowsOurTextsOnceAndAgainAfterClosing) {
    Install();
    ASSERT_TRUE(Start());
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        Trigger("mnuAbout");
        Trigger("mnuAbout");
        const auto windows = MainWindow().findChildren<frmAbout*>("frmAbout");
        ASSERT_EQ(windows.size(), 1);
        QStringList texts;
        for (QLabel* label : windows[0]->findChildren<QLabel*>()) texts << label->text();
        EXPECT_EQ(texts, (QStringList{"Kestrane INI - Version 2.0",
                                      "A settings editor and launcher for Unreal Tournament 2004 "
                                      "under Wine.",
                                      "Written by the Kestrane developers."}));
        QTest::mouseClick(windows[0]->findChild<QPushButton*>("b_About"), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(MainWindow().findChildren<frmAbout*>("frmAbout").isEmpty());
    }
}

}  // namespace
}  // namespace kestrane
