// The bind rows on their tabs: each caption beside its two boxes, every heading in place, and
// the whole key tab visible in the window's designed size.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTabWidget>

#include "editor/binding/bind_commands.h"
#include "editor/windows/main/main_window.h"
#include "tests/keys/bind_window.h"

namespace kestrane {
namespace {

using test::BindWindowTest;

QLabel* LabelBeside(QLineEdit* box, const QString& text) {
    for (QLabel* label : box->parentWidget()->findChildren<QLabel*>()) {
        const int middle = label->geometry().center().y();
        if (label->text() == text && middle >= box->y() && middle <= box->geometry().bottom() &&
            label->x() < box->x()) {
            return label;
        }
    }
    return nullptr;
}

// Where a player finds each command: the tab, and the heading of its group.
struct Place {
    int command;
    const char* tab;
    const char* heading;
};

TEST_F(BindWindowTest, EachCommandStandsOnItsTabBesideItsCaption) {
    Open();
    INI& window = MainWindow();
    for (const char* tab : {"player", "comm", "binds"}) {  // each page laid out once on show
        window.ShowTab(tab);
        QCoreApplication::processEvents();
    }
    for (int k = 0; k < static_cast<int>(kBindCommands.size()); ++k) {
        QLineEdit* first = Box(2 * k);
        QLineEdit* second = Box(2 * k + 1);
        ASSERT_TRUE(first && second) << k;
        EXPECT_EQ(first->y(), second->y()) << k;
        EXPECT_LT(first->x(), second->x()) << k;
        EXPECT_NE(LabelBeside(first, QString::fromLatin1(kBindCommands[k].caption.data(),
                                                         kBindCommands[k].caption.size())),
                  nullptr)
            << kBindCommands[k].command;
    }
    const Place places[] = {
        {0, "player", "Taunts"},
        {4, "binds", "M O V E M E N T"},
        {12, "binds", "L O O K I N G"},
        {19, "binds", "W E A P O N S"},
        {37, "binds", "W E A P O N S  S E L E C T I O N"},
        {26, "binds", "G A M E / M I S C"},
        {53, "binds", "G A M E / M I S C"},
        {56, "comm", "C O M M U N I C A T I O N"},
        {69, "comm", "H U D  C O N F I G"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.command);
        QWidget* page = window.Tab(p.tab);
        EXPECT_TRUE(page->isAncestorOf(Box(2 * p.command)));
        QWidget* group = Box(2 * p.command)->parentWidget();
        bool headed = group->property("title").toString() == p.heading;
        for (QLabel* label : group->findChildren<QLabel*>()) headed |= label->text() == p.heading;
        EXPECT_TRUE(headed);
    }
    // The selection rows continue the weapons group's columns: its boxes stand in line.
    EXPECT_EQ(Box(2 * 19)->mapTo(window.Tab("binds"), QPoint()).x(),
              Box(2 * 27)->mapTo(window.Tab("binds"), QPoint()).x());
}

TEST_F(BindWindowTest, TheKeyTabShowsEveryRowInTheWindowsSize) {
    Open();
    INI& window = MainWindow();
    QWidget* page = window.Tab("binds");
    int shown = 0;
    for (int i = 0; i < kBindBoxCount; ++i) {
        QLineEdit* box = Box(i);
        if (!page->isAncestorOf(box)) continue;
        ++shown;
        const QRect onPage(box->mapTo(page, QPoint()), box->size());
        EXPECT_TRUE(page->rect().contains(onPage)) << i;
        EXPECT_GE(box->height(), box->fontMetrics().height()) << i;
    }
    EXPECT_EQ(shown, 2 * (70 - 4 - 16));
    // A look for a person: KESTRANE_SHOTS names a folder for pictures of the three tabs.
    if (const QString folder = qEnvironmentVariable("KESTRANE_SHOTS"); !folder.isEmpty()) {
        for (const char* tab : {"player", "binds", "comm"}) {
            window.ShowTab(tab);
            if (std::string(tab) == "binds") Click(8);  // one box capturing
            window.grab().save(folder + "/" + tab + ".png");
        }
    }
}

}  // namespace
}  // namespace kestrane
