// The Name Colorizer as a player uses it: typing into the large box, picking colours, and
// handing the encoded name to the player name with Set Name.
#include "editor/windows/tools/color_name_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/windows/main/main_window.h"
#include "platform/base/ansi.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlue = 255u << 16;

class ColorNameTest : public test::EditorTest {
  protected:
    frmColorName& Open(const std::string& user = test::kSmallUserIni) {
        Install(user);
        EXPECT_TRUE(Start());
        return Reopen();
    }
    frmColorName& Reopen() {
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

// A colour code holds no byte that ends the name (0) or its line (10, 13): each is raised by
// one, whichever component it is and wherever the code stands.
TEST_F(ColorNameTest, EveryColourCodeStaysOnTheNameLineThroughSetNameAndAReload) {
    const std::string user =
        "[DefaultPlayer]\r\nName=Player\r\nCharacter=Jakob\r\nteam=1\r\n"
        "[Engine.Input]\r\nSpace=Jump\r\n";
    struct Case {
        std::uint32_t colour;  // red + 256 * green + 65536 * blue
        bool typedAfter;       // "cd" typed after the pick, or the code ends the name
        const char* name;
    };
    const Case cases[] = {
        {10 + 256 * 200 + 65536 * 50, true,
         "Ab\x1B\x0B\xC8\x32"
         "cd"},
        {13 + 256 * 10 + 65536 * 0, true,
         "Ab\x1B\x0E\x0B\x01"
         "cd"},
        {27 + 256 * 255 + 65536 * 13, true,
         "Ab\x1B\x1B\xFF\x0E"
         "cd"},
        {0 + 256 * 13 + 65536 * 10, false, "Ab\x1B\x01\x0E\x0B"},
        {255 + 256 * 27 + 65536 * 255, false, "Ab\x1B\xFF\x1B\xFF"},
    };
    frmColorName* w = &Open(user);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Type(*w, "Ab");
        Pick(*w, c.colour);
        if (c.typedAfter) Type(*w, "cd");
        EXPECT_EQ(w->Name().Encoded(), c.name);
        QTest::mouseClick(w->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QApplication::processEvents();
        std::string want = user;
        want.replace(want.find("Name=Player"), 11, std::string("Name=") + c.name);
        EXPECT_EQ(SystemFile("User.ini"), want);
        // The reload reads the whole name back from its one line.
        EXPECT_EQ(platform::ToAnsi(MainWindow().findChild<QLineEdit*>("tbx_Name")->text()), c.name);
        w = &Reopen();
    }
}

// Text composed through a dead key or an input method reaches the name as typed text does; a
// character the file's 8-bit text cannot hold is refused and the player is told why.
TEST_F(ColorNameTest, ComposedCharactersAreEncodedAndCountedOrRefusedWithAReason) {
    frmColorName& w = Open();
    const auto compose = [&](const QString& preedit, const QString& commit) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QApplication::sendEvent(w.Keyboard_Text(), &event);
    };
    Type(w, "ab");
    compose(QString::fromUtf8("\u00B4"), {});  // the dead key waits for its letter
    EXPECT_EQ(w.Name().Encoded(), "ab");
    compose({}, QString::fromUtf8("\u00E9"));
    Type(w, "c");
    EXPECT_EQ(w.Keyboard_Text()->toPlainText(), QString::fromUtf8("ab\u00E9c"));
    EXPECT_EQ(w.Name().Encoded(),
              "ab\xE9"
              "c");
    EXPECT_EQ(Counter(w), "4 out of 20 Characters Used");
    compose({}, QString::fromUtf8("\u00F1\u20AC"));  // several at once; the euro sign has a byte
    EXPECT_EQ(w.Name().Encoded(),
              "ab\xE9"
              "c\xF1\x80");
    EXPECT_TRUE(responder->Messages().empty());

    compose({}, QString::fromUtf8("\u03A9x"));  // Greek capital omega has no byte
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u4E2D"));
    QApplication::sendEvent(w.Keyboard_Text(), &key);  // a key whose text has no byte
    EXPECT_EQ(w.Keyboard_Text()->toPlainText(), QString::fromUtf8("ab\u00E9c\u00F1\u20ACx"));
    EXPECT_EQ(w.Name().Encoded(),
              "ab\xE9"
              "c\xF1\x80x");
    ASSERT_EQ(responder->Messages().size(), 2u);
    EXPECT_EQ(responder->Messages()[0].text,
              "The name cannot hold the character U+03A9: User.ini keeps the player name as "
              "Windows-1252 text, which has no such character. Nothing was added for it.");
    EXPECT_NE(responder->Messages()[1].text.find("U+4E2D"), std::string::npos);
}

}  // namespace
}  // namespace kestrane
