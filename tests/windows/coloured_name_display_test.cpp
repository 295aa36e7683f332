// A player name with colour codes, as the Player Name field and the Name Colorizer's encoded
// box draw it: each code a swatch of its colour, never a box or a stray letter; the name itself
// is kept byte for byte.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include "editor/windows/main/main_window.h"
#include "editor/windows/tools/color_name_window.h"
#include "platform/base/ansi.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

// Pixels of the widget's picture within a few steps of `colour`.
int PixelsOf(QWidget* widget, QColor colour) {
    const QImage picture = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                12)
                ++count;
        }
    }
    return count;
}

// "Dee" in green (red 1, green 200, blue 1), then "Ex" in pure blue.
const std::string kColoured = std::string("\x1B\x01\xC8\x01") + "Dee" + "\x1B\x01\x01\xFF" + "Ex";

TEST_F(EditorTest, ThePlayerNameDrawsItsCodesAsTheirColoursAndSavesItUnchanged) {
    const std::string user = "[DefaultPlayer]\r\nName=" + kColoured + "\r\nteam=1\r\n";
    Install(user);
    ASSERT_TRUE(Start());
    INI& window = MainWindow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* name = window.findChild<QLineEdit*>("tbx_Name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(platform::ToAnsi(name->text()), kColoured);
    // Swatches of both colours and letters in them; nothing of either before any code.
    EXPECT_GT(PixelsOf(name, QColor(1, 200, 1)), 40);
    EXPECT_GT(PixelsOf(name, QColor(1, 1, 255)), 40);
    name->setText("Plain");
    EXPECT_EQ(PixelsOf(name, QColor(1, 200, 1)), 0);
    name->setText(platform::FromAnsi(kColoured));
    EXPECT_GT(PixelsOf(name, QColor(1, 200, 1)), 40);

    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), user);
}

TEST_F(EditorTest, TheEncodedNameShowsEachCodeAsASwatchOfItsColour) {
    Install();
    ASSERT_TRUE(Start());
    MainWindow().findChild<QAbstractButton*>("btnColorName")->click();
    auto* w = MainWindow().findChild<frmColorName*>("frmColorName");
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    // A name that was a code alone, clicked in the box (its caret then stands in the swatch)
    // and cleared: the swatch must not spread to what follows.
    auto* rtb = w->findChild<QTextEdit*>("rtb");
    responder->AnswerColourDialog(0x00C800u);
    QTest::mouseClick(w->findChild<QPushButton*>("btn_ChooseColor"), Qt::LeftButton);
    QTest::mouseClick(rtb->viewport(), Qt::LeftButton, {}, QPoint(rtb->width() - 20, 10));
    QTest::mouseClick(w->findChild<QPushButton*>("btn_Clear"), Qt::LeftButton);
    QTest::keyClicks(w->Keyboard_Text(), "ab");
    responder->AnswerColourDialog(0xFF0000u);  // pure blue
    QTest::mouseClick(w->findChild<QPushButton*>("btn_ChooseColor"), Qt::LeftButton);
    QTest::keyClicks(w->Keyboard_Text(), "cd");
    ASSERT_EQ(w->Name().Encoded(), std::string("ab\x1B\x01\x01\xFF") + "cd");

    const QString shown = rtb->toPlainText();
    EXPECT_EQ(shown.size(), 8);  // one place per character of the name
    EXPECT_TRUE(shown.startsWith("ab") && shown.endsWith("cd")) << shown.toStdString();
    for (QChar ch : shown.mid(2, 4)) EXPECT_TRUE(ch.isSpace()) << int(ch.unicode());  // no glyphs
    EXPECT_GT(PixelsOf(rtb->viewport(), QColor(1, 1, 255)), 40);
    EXPECT_EQ(PixelsOf(rtb->viewport(), QColor(0, 200, 0)), 0);
    // The letters before the code keep the box's own look.
    QTextCursor at(rtb->document());
    at.setPosition(1);
    EXPECT_EQ(at.charFormat().background().style(), Qt::NoBrush);
    EXPECT_EQ(at.charFormat().foreground().style(), Qt::NoBrush);
}

}  // namespace
}  // namespace kestrane::test
