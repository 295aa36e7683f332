// The raw INI tabs as a player uses them: typing into the box, Save and Save As, the search
// with its button and Enter, the section list, and the questions before typed text or
// unsaved settings would be lost.
#include "editor/windows/tabs/raw_ini_tab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "platform/dialogs.h"
#include "tests/support/failing_writes.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using platform::MsgAnswer;

// CR LF lines, a lone LF inside a value, a lone CR, a no-break space, a high byte and ESC.
constexpr const char* kMixedUserIni =
    "[Engine.Input]\r\nAliases[0]=(Command=\"Jump\",Alias=Jump)\r\n"
    "Space=Jump\r\nOdd=a\nb\rc\xa0\xe9\r\n\r\n[DefaultPlayer]\r\nName=Player\r\n";
// No line end at the end; headers with ESC, as the game writes its map list records.
constexpr const char* kUt2004Ini =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
    "[Default\x1b"
    "DM MaplistRecord]\r\nDefaultTitle=DM";

class RawIniTabTest : public test::EditorTest {
  protected:
    void Open(const std::string& user = kMixedUserIni, const std::string& ut = kUt2004Ini) {
        StartShown(user, ut);
    }
    RichTextBox* Box(int index) { return Controls().Get<RichTextBox>({"RTB_User", index}); }
    QLineEdit* Search(int index) { return Controls().Get<QLineEdit>({"tbxSearch", index}); }
    QComboBox* Headers(int index) {
        return Controls().Get<QComboBox>({"cbx_Search_UserINI", index});
    }
    void Click(const char* name, int index = -1) {
        auto* button = Controls().Get<QAbstractButton>({name, index});
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void ShowTab(int index) {
        MainWindow().ShowTab(index == 0 ? "user_ini" : "ut2004_ini");
        QApplication::processEvents();
    }
    // Types `typed` into the raw box at text position `at`.
    void TypeInto(int index, int at, const char* typed) {
        ShowTab(index);
        Box(index)->setFocus();
        Box(index)->SetSelStart(at);
        QTest::keyClicks(Box(index), typed);
    }
    void SearchFor(int index, const char* word) {
        ShowTab(index);
        Search(index)->setFocus();
        Search(index)->clear();
        QTest::keyClicks(Search(index), word);
        QTest::keyClick(Search(index), Qt::Key_Return);
    }
    void Choose(int index, const std::string& header) {
        ShowTab(index);
        QComboBox* list = Headers(index);
        const int item = list->findText(QString::fromLatin1(header.c_str()));
        ASSERT_GE(item, 0) << header;
        list->setCurrentIndex(item);
        emit list->activated(item);
    }
    size_t MessageCount() const { return responder->Messages().size(); }
    std::string LastMessage() const { return responder->Messages().back().text; }
};

bool Marked(const RichTextBox& box, int position) {
    const QTextCharFormat f = box.FormatAt(position);
    return f.fontUnderline() && f.foreground().color() == QColor(255, 0, 0);
}

TEST_F(RawIniTabTest, TabsShowTheirControlsAndTheFixedHeaderLists) {
    Open();
    for (int index : {0, 1}) {
        EXPECT_EQ(Controls().Get<QPushButton>({"cb_SaveUser", index})->text(), "Save");
        EXPECT_EQ(Controls().Get<QPushButton>({"cb_SaveUserText", index})->text(), "Save As");
        EXPECT_EQ(Controls().Get<QPushButton>({"cbSearch", index})->text(), "SEARCH");
        ASSERT_EQ(Headers(index)->count(), 66);
    }
    EXPECT_EQ(Headers(0)->itemText(0), "[DefaultPlayer]");
    EXPECT_EQ(Headers(0)->itemText(65), "[XGame.xPawn]");
    EXPECT_EQ(Headers(1)->itemText(34), QString("[Default") + QChar(27) + "DM MaplistRecord]");
    EXPECT_EQ(Headers(1)->itemText(37), QString("[1") + QChar(27) + "on" + QChar(27) + "1" +
                                            QChar(27) + "Deathmatch MaplistRecord]");
    EXPECT_EQ(Headers(1)->itemText(65), "[Onslaught.ONSOnslaughtGame]");
    EXPECT_EQ(Box(0)->Text(), kMixedUserIni);
    EXPECT_EQ(Box(1)->Text(), kUt2004Ini);
}

TEST_F(RawIniTabTest, UneditedSaveKeepsEveryByteAndNoSaveAddsALine) {
    Open();
    const size_t before = MessageCount();
    for (int round = 0; round < 2; ++round) {
        Click("cb_SaveUser", 0);
        EXPECT_EQ(SystemFile("User.ini"), kMixedUserIni);
        Click("cb_SaveUser", 1);
        // A text without a final line end gets one, once.
        EXPECT_EQ(SystemFile("UT2004.ini"), std::string(kUt2004Ini) + "\r\n");
    }
    EXPECT_EQ(MessageCount(), before);
}

TEST_F(RawIniTabTest, TypedTextIsSavedAndEveryTabReloads) {
    Open();
    const std::string text = kMixedUserIni;
    TypeInto(0, static_cast<int>(text.size()) - 2, "Z");    // after "Name=Player"
    TypeInto(0, static_cast<int>(text.find("Odd=")), "X");  // beyond the lone LF and CR
    Click("cb_SaveUser", 0);
    std::string expected = text;
    expected.insert(expected.size() - 2, "Z");
    expected.insert(text.find("Odd="), "X");
    EXPECT_EQ(SystemFile("User.ini"), expected);
    EXPECT_EQ(Controls().Get<QLineEdit>({"tbx_Name"})->text(), "PlayerZ");
    EXPECT_FALSE(Box(0)->Edited());
    EXPECT_EQ(Box(0)->Text(), expected);

    // Typed line ends are CR LF, Shift+Enter included.
    TypeInto(1, 0, "A=1");
    QTest::keyClick(Box(1), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(Box(1), Qt::Key_Return);
    Click("cb_SaveUser", 1);
    EXPECT_EQ(SystemFile("UT2004.ini"), std::string("A=1\r\n\r\n") + kUt2004Ini + "\r\n");
}

// A raw save the disk cuts short keeps the file and the typed text, and says why.
TEST_F(RawIniTabTest, AFailedSaveKeepsTheFileAndTheTypedText) {
    for (const test::DiskFailure& c : test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        TearDown();
        SetUp();
        const std::string user = std::string(kMixedUserIni) + "Filler=" + std::string(c.size, 'f');
        Open(user);
        TypeInto(0, 0, "A=1");
        test::FailingWrites failing(c.step, c.error);
        Click("cb_SaveUser", 0);
        EXPECT_EQ(LastMessage(),
                  "Could not save C:\\UT2004\\System\\User.ini: " + std::string(c.reason));
        EXPECT_EQ(SystemFile("User.ini"), user);
        EXPECT_EQ(test::FolderEntries(prefix->SystemFolder()),
                  (std::vector<std::string>{"UT2004.ini", "User.ini"}));
        EXPECT_TRUE(Box(0)->Edited());
        EXPECT_TRUE(Box(0)->Text().starts_with("A=1[Engine.Input]"));
    }
}

TEST_F(RawIniTabTest, SaveAsWritesTheChosenFileAndShowsTheIniFolderAgain) {
    Open();
    prefix->Write("Elsewhere/User.ini", "old");
    responder->AnswerFileDialog("");  // cancelled: nothing happens
    Click("cb_SaveUserText", 0);
    TypeInto(0, 0, ";note\r");
    // A file that exists is replaced only with a Yes.
    responder->AnswerFileDialog("C:\\Elsewhere\\User.ini");
    responder->AnswerMessage(MsgAnswer::No);
    Click("cb_SaveUserText", 0);
    EXPECT_EQ(LastMessage(), "C:\\Elsewhere\\User.ini exists already.\r\n\r\nReplace it?");
    EXPECT_EQ(prefix->Read("Elsewhere/User.ini"), "old");
    EXPECT_TRUE(Box(0)->Edited());
    responder->AnswerFileDialog("C:\\Elsewhere\\User.ini");
    responder->AnswerMessage(MsgAnswer::Yes);
    Click("cb_SaveUserText", 0);

    ASSERT_EQ(responder->AskedDialogs().size(), 3u);
    const platform::AskedDialog& asked = responder->AskedDialogs()[2];
    EXPECT_EQ(asked.caption, "Save As");
    EXPECT_EQ(asked.filter, "INI files (*.ini)|User.ini|All files (*.*)|*.*");
    EXPECT_EQ(asked.defaultExtension, "ini");
    EXPECT_EQ(asked.initialFolder, "C:\\UT2004\\System\\");
    EXPECT_EQ(asked.flags & platform::kOfnFileMustExist, 0);  // a new name is welcome
    EXPECT_EQ(prefix->Read("Elsewhere/User.ini"), std::string(";note\r\n") + kMixedUserIni);
    EXPECT_EQ(SystemFile("User.ini"), kMixedUserIni);
    EXPECT_EQ(Box(0)->Text(), kMixedUserIni);

    // A new file is made without a question.
    const size_t before = MessageCount();
    TypeInto(1, 0, "New=1\r");
    responder->AnswerFileDialog("C:\\Elsewhere\\Fresh.ini");
    Click("cb_SaveUserText", 1);
    EXPECT_EQ(MessageCount(), before);
    EXPECT_EQ(prefix->Read("Elsewhere/Fresh.ini"), std::string("New=1\r\n") + kUt2004Ini + "\r\n");
}

// Each text holds "engine" in several cases after CR LF, lone LF and lone CR line ends; the
// marks must fall on exactly the characters found.
TEST_F(RawIniTabTest, SearchMarksExactlyTheCharactersFoundInEveryLineEndForm) {
    const std::vector<std::string> texts = {
        "[Engine.Engine]\r\nA=ENGINE\r\n\r\nB=engine\r\n",
        "[Engine.Engine]\nA=ENGINE\n\nB=engine\n",
        "[Engine.Engine]\r\nA=ENGINE\n\rB=engine\r\n\nC=eNgInE\r",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        Open(kMixedUserIni, text);
        SearchFor(1, "engine");
        std::vector<bool> expected(text.size(), false);
        for (size_t at = 0; (at = Folded(text).find("engine", at)) != std::string::npos; at += 6)
            std::fill(expected.begin() + at, expected.begin() + at + 6, true);
        for (size_t p = 0; p < text.size(); ++p) {
            if (text[p] == '\r' || text[p] == '\n') continue;  // line ends have no character
            EXPECT_EQ(Marked(*Box(1), static_cast<int>(p)), expected[p]) << p;
        }
        EXPECT_EQ(Box(1)->SelStart(), static_cast<int>(Folded(text).rfind("engine")));
        EXPECT_EQ(Box(1)->Text(), text);
        EXPECT_FALSE(Box(1)->Edited());
        TearDown();
        SetUp();
    }
}

TEST_F(RawIniTabTest, SearchWithTheButtonNeverOverlapsAndAMissingWordResetsEveryMark) {
    Open(kMixedUserIni, "aaa\r\n");
    ShowTab(1);
    QTest::keyClicks(Search(1), "aa");
    Click("cbSearch", 1);
    EXPECT_TRUE(Marked(*Box(1), 0));
    EXPECT_TRUE(Marked(*Box(1), 1));
    EXPECT_FALSE(Marked(*Box(1), 2));

    const size_t before = MessageCount();
    Search(1)->clear();
    Click("cbSearch", 1);  // an empty word does nothing, not even the reset
    EXPECT_TRUE(Marked(*Box(1), 0));
    EXPECT_EQ(MessageCount(), before);

    SearchFor(1, "zz");
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(LastMessage(), "String not found.");
    EXPECT_TRUE(Search(1)->text().isEmpty());
    for (int p : {0, 1, 2}) EXPECT_FALSE(Marked(*Box(1), p)) << p;
}

// A word with a character the file's 8-bit text cannot hold occurs nowhere in the file: it
// does not mark the "?" that stands for such a character elsewhere.
TEST_F(RawIniTabTest, AWordOutsideTheFilesCodePageIsNotFound) {
    Open("[?]\r\nName=Who?\r\nOdd=\xe9t\xe9\r\n");
    const QString omega = QString::fromUtf8("\u03a9");
    for (const QString& word : {omega, omega + "?", QString("?") + omega}) {
        SCOPED_TRACE(word.toStdString());
        const size_t before = MessageCount();
        ShowTab(0);
        Search(0)->setText(word);
        Click("cbSearch", 0);
        ASSERT_EQ(MessageCount(), before + 1);
        EXPECT_EQ(LastMessage(), "String not found.");
        EXPECT_TRUE(Search(0)->text().isEmpty());
        for (int p : {1, 13}) EXPECT_FALSE(Marked(*Box(0), p)) << p;
    }
    Search(0)->setText(QString::fromUtf8("\u00e9"));  // one the code page holds is found
    Click("cbSearch", 0);
    EXPECT_TRUE(Marked(*Box(0), 20));
    EXPECT_TRUE(Marked(*Box(0), 22));
    EXPECT_FALSE(Marked(*Box(0), 13));

    const size_t before = MessageCount();
    Headers(0)->setEditText("[" + omega + "]");  // typed into the list
    emit Headers(0)->activated(Headers(0)->currentIndex());
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(LastMessage(), "String not found.");
    EXPECT_EQ(Box(0)->SelLength(), 0);
}

TEST_F(RawIniTabTest, ChosenHeaderIsSelectedAndAMissingOneEmptiesTheList) {
    Open("x=1\nY=2\r\n[engine.input]\r\nSpace=Jump\r\n");
    Choose(0, "[Engine.Input]");
    EXPECT_EQ(Box(0)->SelStart(), 9);
    EXPECT_EQ(Box(0)->SelLength(), 14);
    EXPECT_EQ(Box(0)->textCursor().selectedText(), "[engine.input]");
    EXPECT_TRUE(Box(0)->hasFocus());

    Choose(1, std::string("[Default\x1b") + "DM MaplistRecord]");
    EXPECT_EQ(Box(1)->SelStart(), static_cast<int>(std::string(kUt2004Ini).find("[Default")));

    const size_t before = MessageCount();
    Choose(1, "[URL]");
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(LastMessage(), "String not found.");
    EXPECT_TRUE(Headers(1)->currentText().isEmpty());
}

TEST_F(RawIniTabTest, TypedRawTextIsNotDroppedWithoutAQuestion) {
    Open();
    const size_t none = MessageCount();
    Trigger("frmFileSave");  // nothing typed: no question
    EXPECT_EQ(MessageCount(), none);
    const std::string saved = SystemFile("UT2004.ini");

    TypeInto(1, 0, "X=1\r");
    // File > Save leaves UT2004.ini as it is: the typed text stays good, nothing is asked.
    Trigger("frmFileSave");
    EXPECT_EQ(MessageCount(), none);
    EXPECT_EQ(SystemFile("UT2004.ini"), saved);
    EXPECT_TRUE(Box(1)->Edited());

    // A raw save of the other file reloads both boxes: asked, and No keeps the typed text.
    responder->AnswerMessage(MsgAnswer::No);
    Click("cb_SaveUser", 0);
    ASSERT_EQ(MessageCount(), none + 1);
    EXPECT_NE(LastMessage().find("UT2004.INI tab"), std::string::npos);
    EXPECT_TRUE(Box(1)->Edited());

    // Exit and the window's close: No keeps the editor open.
    responder->AnswerMessage(MsgAnswer::No);
    Trigger("mnuFileExit");
    EXPECT_FALSE(MainWindow().Unloaded());
    responder->AnswerMessage(MsgAnswer::No);
    MainWindow().close();
    EXPECT_FALSE(MainWindow().Unloaded());
    EXPECT_EQ(MessageCount(), none + 3);
    responder->AnswerMessage(MsgAnswer::Yes);
    Trigger("mnuFileExit");
    EXPECT_TRUE(MainWindow().Unloaded());
}

TEST_F(RawIniTabTest, RawSaveAsksBeforeItsReloadDropsEditsOnTheSettingTabs) {
    Open();
    QLineEdit* name = Controls().Get<QLineEdit>({"tbx_Name"});
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Someone");
    const size_t before = MessageCount();

    responder->AnswerMessage(MsgAnswer::No);
    Click("cb_SaveUser", 1);
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_NE(LastMessage().find("setting tabs"), std::string::npos);
    EXPECT_EQ(SystemFile("UT2004.ini"), kUt2004Ini);
    EXPECT_EQ(name->text(), "Someone");

    // After File > Save the tabs hold nothing unsaved: the raw save asks nothing.
    Trigger("frmFileSave");
    Click("cb_SaveUser", 1);
    EXPECT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(SystemFile("UT2004.ini"), std::string(kUt2004Ini) + "\r\n");
    EXPECT_EQ(name->text(), "Someone");

    responder->AnswerMessage(MsgAnswer::Yes);
    QTest::keyClicks(name, "Else");
    Click("cb_SaveUser", 0);
    EXPECT_EQ(MessageCount(), before + 2);
    EXPECT_EQ(name->text(), "Someone");  // reloaded from the file
}

// What File > Save wrote is what each raw box shows next, so a raw save after it keeps it.
TEST_F(RawIniTabTest, ATabEditSavedThenARawEditSavedAreBothInTheFile) {
    Open(test::kSmallUserIni, "[WinDrv.WindowsClient]\r\nGamma=0.800000\r\n");
    QLineEdit* name = Controls().Get<QLineEdit>({"tbx_Name"});
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Tester");
    Controls().Get<QAbstractButton>({"b_VideoAdd", 0})->click();  // Gamma 0.8 -> 0.9
    Trigger("frmFileSave");
    const std::string user =
        "[Engine.Input]\r\nAliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
        "Aliases[1]=(Command=\"Jump\",Alias=Jump)\r\nSpace=Jump\r\n\r\n[DefaultPlayer]\r\n"
        "Name=Tester\r\n";
    const std::string ut = "[WinDrv.WindowsClient]\r\nGamma=0.9\r\n";
    ASSERT_EQ(SystemFile("User.ini"), user);
    EXPECT_EQ(Box(0)->Text(), user);
    EXPECT_EQ(Box(1)->Text(), ut);

    TypeInto(0, 0, ";mine\r");
    Click("cb_SaveUser", 0);
    EXPECT_EQ(SystemFile("User.ini"), ";mine\r\n" + user);
    EXPECT_EQ(name->text(), "Tester");
    TypeInto(1, 0, ";mine\r");
    Click("cb_SaveUser", 1);
    EXPECT_EQ(SystemFile("UT2004.ini"), ";mine\r\n" + ut);
    EXPECT_EQ(Controls().Text({"tbx_video", 0}), "0.9");
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), ";mine\r\n" + user);
    EXPECT_EQ(SystemFile("UT2004.ini"), ";mine\r\n" + ut);
}

// A File > Save of a large file changes in the raw box only the line it changed: the box is
// ready for typing at once, keeps the search marks elsewhere, and a raw save writes the typing.
TEST_F(RawIniTabTest, AfterFileSaveALargeBoxTakesTypingAtOnce) {
    std::string user = test::kSmallUserIni;
    user += "[GUI2K4.UT2k4Browser_ServerListPageFavorites]\r\n";
    for (int n = 0; user.size() < 3'000'000; ++n) {
        user += "Favorites=(ServerName=\"Server " + std::to_string(n) + "\",Port=7777)\r\n";
    }
    Open(user);
    ShowTab(0);
    RichTextBox* box = Box(0);
    SearchFor(0, "port");
    box->EnsureDocument();
    const int lastPort = static_cast<int>(user.rfind("Port"));
    ASSERT_TRUE(Marked(*box, lastPort));

    QLineEdit* name = Controls().Get<QLineEdit>({"tbx_Name"});
    name->setText("Tester");
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    ASSERT_NE(saved.find("Name=Tester\r\n"), std::string::npos);
    // (== for texts this large: a failure's diff of them would not end)
    EXPECT_TRUE(box->LoadedText() == saved);
    EXPECT_FALSE(box->Busy());
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(Marked(*box, lastPort));

    TypeInto(0, 0, ";mine\r");
    EXPECT_TRUE(box->Text() == ";mine\r\n" + saved);  // read back from the document
    Click("cb_SaveUser", 0);
    EXPECT_TRUE(SystemFile("User.ini") == ";mine\r\n" + saved);
}

// Typed text whose file a save changes would be older than the file: the save asks first.
TEST_F(RawIniTabTest, ASaveThatChangesTheFileOfTypedTextAsksFirst) {
    Open();
    TypeInto(0, 0, ";typed\r");
    Controls().SetText({"tbx_Name"}, "Tester");
    const size_t before = MessageCount();
    responder->AnswerMessage(MsgAnswer::No);  // keep typing
    Trigger("frmFileSave");
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_NE(LastMessage().find("the User.INI tab"), std::string::npos);
    EXPECT_NE(LastMessage().find("changes User.ini"), std::string::npos);
    EXPECT_EQ(SystemFile("User.ini"), kMixedUserIni);
    EXPECT_TRUE(Box(0)->Edited());
    EXPECT_TRUE(MainWindow().HasUnsavedTabEdits());

    responder->AnswerMessage(MsgAnswer::Yes);  // save, and show the file
    Trigger("frmFileSave");
    EXPECT_NE(SystemFile("User.ini").find("Name=Tester"), std::string::npos);
    EXPECT_FALSE(Box(0)->Edited());
    EXPECT_EQ(Box(0)->Text(), SystemFile("User.ini"));
    EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
}

TEST_F(RawIniTabTest, ARawSaveNeverWritesOverAFileThatChangedBeneathIt) {
    Open();
    TypeInto(0, 0, ";typed\r");
    const std::string newer = "[DefaultPlayer]\r\nName=Elsewhere\r\n";
    prefix->Write("UT2004/System/User.ini", newer);  // another program wrote it meanwhile
    responder->AnswerMessage(MsgAnswer::No);         // keep typing
    Click("cb_SaveUser", 0);
    EXPECT_NE(LastMessage().find("has changed since the User.INI tab was filled from it"),
              std::string::npos);
    EXPECT_EQ(SystemFile("User.ini"), newer);
    EXPECT_TRUE(Box(0)->Edited());

    responder->AnswerMessage(MsgAnswer::Yes);  // reload the tab from the file
    Click("cb_SaveUser", 0);
    EXPECT_EQ(SystemFile("User.ini"), newer);
    EXPECT_EQ(Box(0)->Text(), newer);
    EXPECT_FALSE(Box(0)->Edited());
}

TEST(RawSaveBytes, EndsWithExactlyOneLineEndOfItsOwn) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "\r\n"},       {"a=1", "a=1\r\n"}, {"a=1\r\n", "a=1\r\n"},
        {"a=1\n", "a=1\n"}, {"a=1\r", "a=1\r"}, {"a=1\r\n\r\n", "a=1\r\n\r\n"},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(RawSaveBytes(text), bytes) << testing::PrintToString(text);
        EXPECT_EQ(RawSaveBytes(RawSaveBytes(text)), bytes);
    }
}

}  // namespace
}  // namespace kestrane
