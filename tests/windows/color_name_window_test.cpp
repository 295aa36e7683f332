// The Name Colorizer as a player uses it: typing into the large box, picking colours, and
// handing the encoded name to the player name with Set Name.
#include "editor/windows/color_name_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/windows/main_window.h"
#include "platform/base/ansi.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlue = 255u << 16;

class ColorNameTest : public test::EditorTest {
  protected:
    frmColorName& Open() {
        Install();
        EXPECT_TRUE(Start());
        MainWindow().findChild<QAbstractButton*>("btnColorName")->click();
        auto* w = MainWindow().findChild<frmColorName*>("frmColorName");
        EXPECT_NE(w, nullptr);
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        w->Keyboard_Text()->setFocus();
        return *w;
    }
    void Pick(frmColorName& w, std::optional<std::uint32_t> colour) {
        responder->AnswerColourDialog(colour);
        QTest::mouseClick(w.findChild<QPushButton*>("btn_ChooseColor"), Qt::LeftButton);
    }
    void Type(frmColorName& w, const char* text) { QTest::keyClicks(w.Keyboard_Text(), text); }
    std::string Counter(frmColorName& w) {
        return w.findChild<QLabel*>("lbl_CharUsed")->text().toStdString();
    }
    QColor Sample(frmColorName& w) {
        return w.findChild<QLabel*>("lbl_Color")->palette().color(QPalette::Window);
    }
};

TEST_F(ColorNameTest, TypedTextAndPicksMakeTheEncodedName) {
    frmColorName& w = Open();
    EXPECT_EQ(w.windowTitle(), "Name Colorizer");
    EXPECT_EQ(Counter(w), "0 out of 20 Characters Used");
    Type(w, "abc");
    Pick(w, kRed);
    Type(w, "de");
    EXPECT_EQ(w.Name().Encoded(), std::string("abc\x1B\xFF\x01\x01") + "de");
    EXPECT_EQ(Counter(w), "9 out of 20 Characters Used");
    EXPECT_EQ(w.Keyboard_Text()->toPlainText(), "abcde");
    EXPECT_EQ(Sample(w), QColor(255, 0, 0));
    // Typed after the pick, shown in the picked colour.
    QTextCursor at(w.Keyboard_Text()->document());
    at.setPosition(4);
    EXPECT_EQ(at.charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(w.findChild<QTextEdit*>("rtb")->toPlainText().size(), 9);

    // Keys that would delete, move or space change nothing; clicking inside appends at the end.
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Up, Qt::Key_Home,
                        Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(w.Keyboard_Text(), key);
    }
    QTest::mouseClick(w.Keyboard_Text()->viewport(), Qt::LeftButton, {},
                      w.Keyboard_Text()->cursorRect(at).center());
    Type(w, "$%&'(.");
    EXPECT_EQ(w.Keyboard_Text()->toPlainText(), "abcde$%&'(.");
    EXPECT_EQ(w.Name().Encoded(), std::string("abc\x1B\xFF\x01\x01") + "de$%&'(.");

    QTest::mouseClick(w.findChild<QPushButton*>("btn_Clear"), Qt::LeftButton);
    EXPECT_EQ(w.Name().Encoded(), "");
    EXPECT_EQ(w.Keyboard_Text()->toPlainText(), "");
    EXPECT_EQ(Counter(w), "0 out of 20 Characters Used");
    EXPECT_EQ(Sample(w), QColor(0, 0, 0));
}

TEST_F(ColorNameTest, BlackPicksAndCancelledDialogsAddNothing) {
    frmColorName& w = Open();
    Pick(w, kBlue);
    EXPECT_EQ(w.Name().Encoded(), std::string("\x1B\x01\x01\xFF", 4));  // 0 raised to 1
    Pick(w, std::nullopt);  // cancelled: the sample keeps the last pick
    EXPECT_EQ(Sample(w), QColor(0, 0, 255));
    EXPECT_EQ(responder->AskedColours().back(), kBlue);  // the dialog opened on it
    Pick(w, 0x010001);                                   // components of 0 and 1 only
    EXPECT_EQ(Sample(w), QColor(0, 0, 0));
    EXPECT_EQ(w.Name().Encoded().size(), 4u);
    EXPECT_EQ(w.Name().ColourCount(), 1);
    EXPECT_TRUE(responder->Messages().empty());
}

TEST_F(ColorNameTest, NameNeverPassesTwentyCharacters) {
    frmColorName& w = Open();
    for (int i = 0; i < 4; ++i) Pick(w, kRed);
    EXPECT_EQ(w.Name().ColourCount(), 4);
    Pick(w, kRed);  // 0 + 16 + 4 is not less than 20
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].text,
              "Name Length is to Long!\r\nPlayer Name can be 20 Character (each color takes up "
              "4 characters)");
    EXPECT_EQ(w.Name().ColourCount(), 4);
    Type(w, "abcdef");  // room for four typed characters
    EXPECT_EQ(w.Keyboard_Text()->toPlainText(), "abcd");
    EXPECT_EQ(w.Name().Encoded().size(), 20u);

    QTest::mouseClick(w.findChild<QPushButton*>("btn_Clear"), Qt::LeftButton);
    Type(w, "abcdefghijkl");
    Pick(w, kRed);
    Pick(w, kBlue);  // 12 + 4 + 4 = 20: refused
    EXPECT_EQ(w.Name().ColourCount(), 1);
    EXPECT_EQ(responder->Messages().size(), 2u);
}

TEST_F(ColorNameTest, SetNameSavesTheEncodedNameAsThePlayerName) {
    frmColorName& w = Open();
    Type(w, "Ace");
    Pick(w, 0x80FF10);  // red 16, green 255, blue 128
    Type(w, "X");
    QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QApplication::processEvents();
    const std::string name = std::string("Ace\x1B\x10\xFF\x80") + "X";
    EXPECT_NE(SystemFile("User.ini").find("\r\nName=" + name + "\r\n"), std::string::npos);
    EXPECT_EQ(platform::ToAnsi(MainWindow().findChild<QLineEdit*>("tbx_Name")->text()), name);
    EXPECT_EQ(MainWindow().findChild<frmColorName*>("frmColorName"), nullptr);
    EXPECT_TRUE(MainWindow().isVisible());
}

}  // namespace
}  // namespace kestrane
