#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <csignal>

#include "editor/instant_action/game_sections.h"
#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/splash_window.h"
#include "editor/windows/tools/new_profile_dialog.h"
#include "platform/base/file_writer.h"
#include "platform/base/process.h"
#include "platform/base/program_folder_lock.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;

TEST_F(EditorTest, StartWithoutProfileWritesNothingAndAsksForOne) {
    Install();
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI");
    EXPECT_EQ(MainWindow().SSTab1()->currentIndex(), 0);
    EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
    EXPECT_EQ(SystemFile("UT2004.ini"), test::kSmallUt2004Ini);
    EXPECT_TRUE(responder->Messages().empty());
    EXPECT_FALSE(State().musicOn);

    Splash().tmrShow_Timer();  // the splash's time is up
    EXPECT_TRUE(MainWindow().isVisible());
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].text,
              "You Must Associate a New Profile Name for the Current User");
    EXPECT_EQ(responder->Messages()[0].title, "Kestrane INI");
    EXPECT_NE(NewProfileDialog(), nullptr);
    EXPECT_TRUE(State().newProfileFromCurrent);
    EXPECT_FALSE(State().noProfileName);
}

// The picture the build lays beside the editor is the one the splash loads (a renamed file
// would leave the splash showing only its caption).
TEST_F(EditorTest, TheSplashShowsThePictureShippedBesideTheEditor) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(prefix->ProgramFolder() + "/Images")));
    for (const QString& name : QDir(QString::fromStdString(test::BuiltProgramFolder() + "/Images"))
                                   .entryList(QDir::Files)) {
        ASSERT_TRUE(
            QFile::copy(QString::fromStdString(test::BuiltProgramFolder() + "/Images/") + name,
                        QString::fromStdString(prefix->ProgramFolder() + "/Images/") + name));
    }
    const QPixmap shown = Splash().SpalshPic()->pixmap();
    EXPECT_EQ(shown.size(), QSize(800, 600));
    EXPECT_TRUE(Splash().SpalshPic()->text().isEmpty());
}

TEST_F(EditorTest, StartWithProfileMirrorsTheGameFilesIntoTheProfile) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini,
            "Music=on\r\nProfileName=Me\r\nCacheDelete=False\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Me");
    EXPECT_TRUE(State().profileActive);
    EXPECT_TRUE(State().musicOn);
    EXPECT_EQ(State().iniFolder, "C:\\Kestrane\\Profiles\\Me\\");

    const std::string ut = SystemFile("UT2004.ini");
    for (const char* header :
         {"[Onslaught.ONSOnslaughtGame]", "[UT2k4Assault.ASGameInfo]", "[BonusPack.xMutantGame]",
          "[BonusPack.xLastManStandingGame]", "[SkaarjPack.Invasion]"}) {
        EXPECT_NE(ut.find(header), std::string::npos) << header;
    }
    EXPECT_EQ(ProgramFile("Profiles/Me/UT2004.ini"), ut);
    EXPECT_EQ(ProgramFile("Profiles/Me/User.ini"), SystemFile("User.ini"));
    EXPECT_EQ(SystemFile("User.ini"),
              "[Engine.Input]\r\nAliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
              "Aliases[1]=(Command=\"Jump\",Alias=Jump)\r\nSpace=Jump\r\n\r\n[DefaultPlayer]\r\n"
              "Name=Player\r\n");
}

TEST_F(EditorTest, MissingGameEndsWithAMessageAndWritesNothing) {
    prefix->WriteSystemReg("");
    prefix->Write("Kestrane/Kestrane.ini", "Music=OFF\r\nProfileName=Me\r\n");
    EXPECT_FALSE(Start());
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("\"Folder\""), std::string::npos);
    EXPECT_NE(responder->Messages()[0].text.find("system.reg"), std::string::npos);
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "Music=OFF\r\nProfileName=Me\r\n");
}

// A second editor on the same program folder is told the first one runs, and ends having
// written nothing: its saves would undo the first one's. Once the first has ended, it starts.
TEST_F(EditorTest, ASecondEditorOnTheSameFolderEndsWithAMessage) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    int locked[2], done[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t first = ::fork();
    ASSERT_GE(first, 0);
    if (first == 0) {
        // The first editor, as far as the folder can tell: it holds the lock until told to end.
        char byte =
            platform::TakeProgramFolderLock(prefix->ProgramFolder()) == platform::FolderLock::Taken
                ? 1
                : 0;
        if (::write(locked[1], &byte, 1) != 1 || ::read(done[0], &byte, 1) != 1) _exit(2);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(locked[0], &byte, 1), 1);
    ASSERT_EQ(byte, 1);
    EXPECT_FALSE(Start());
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].text,
              "Kestrane INI is already running from C:\\Kestrane. Close it before starting it "
              "again: two editors saving the same files would undo each other's changes.");
    EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "Music=OFF\r\nProfileName=Me\r\n");

    ASSERT_EQ(::write(done[1], &byte, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(first, &status, 0), first);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(Start());
    for (const int fd : {locked[0], locked[1], done[0], done[1]}) ::close(fd);
}

// Another editor, as a child process: on each byte it is sent it takes the program folder's
// lock (where locks are refused, as its running file says it), answers with the result, and
// holds it until it is ended.
class OtherEditor {
  public:
    OtherEditor(const std::string& folder, bool locksRefused) {
        if (::pipe(go_) != 0 || ::pipe(answer_) != 0) return;
        child_ = ::fork();
        if (child_ != 0) return;
        if (locksRefused) RefuseLocks();
        char byte = 0;
        while (::read(go_[0], &byte, 1) == 1) {
            byte = static_cast<char>(platform::TakeProgramFolderLock(folder));
            if (::write(answer_[1], &byte, 1) != 1) break;
        }
        ::_exit(0);
    }
    ~OtherEditor() {
        End();
        for (const int fd : {go_[0], go_[1], answer_[0], answer_[1]}) ::close(fd);
    }
    platform::FolderLock Take() {
        char byte = 0;
        if (::write(go_[1], &byte, 1) != 1 || ::read(answer_[0], &byte, 1) != 1) return {};
        return static_cast<platform::FolderLock>(byte);
    }
    // Killed: nothing it holds is given back but by the system.
    void End() {
        if (child_ <= 0) return;
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
        child_ = -1;
    }
    static void RefuseLocks() {
        platform::SetWriteFaultForTest([](platform::WriteStep step, int64_t) {
            return step == platform::WriteStep::Lock ? ENOLCK : 0;
        });
    }

  private:
    int go_[2] = {-1, -1}, answer_[2] = {-1, -1};
    pid_t child_ = -1;
};

const char* kAlreadyRunning =
    "Kestrane INI is already running from C:\\Kestrane. Close it before starting it again: two "
    "editors saving the same files would undo each other's changes.";

// Where the program folder's file system has no locks, the editor's running file stands for
// the lock: a second editor is told the first runs; once the first has ended, even killed, the
// next starts; a running file of another computer's editor, or one that cannot be read, keeps
// it from starting, with a message naming the file, which it leaves as it is.
TEST_F(EditorTest, WithoutLocksASecondEditorStillEndsWithAMessage) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    OtherEditor::RefuseLocks();
    const std::string running = prefix->ProgramFolder() + "/Kestrane_INI Running.txt";
    {
        OtherEditor first(prefix->ProgramFolder(), true);
        ASSERT_EQ(first.Take(), platform::FolderLock::Taken);
        EXPECT_FALSE(Start());
        ASSERT_EQ(responder->Messages().size(), 1u);
        EXPECT_EQ(responder->Messages()[0].text, kAlreadyRunning);
        EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
        first.End();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(running)));
    responder.reset();
    responder = std::make_unique<platform::ScriptedResponder>();
    EXPECT_TRUE(Start());
    EXPECT_TRUE(responder->Messages().empty());

    const std::string maybe =
        "Kestrane INI may be running from C:\\Kestrane: C:\\Kestrane\\Kestrane_INI Running.txt "
        "names an editor this computer cannot look for (on another computer, or in a file it "
        "cannot read). Close it before starting it again: two editors saving the same files "
        "would undo each other's changes. If none runs, delete that file.";
    for (const char* text : {"4242 917 0b5b32c4-56d7-4ac1-a0a6-5e0d2c31a6a3 elsewhere\n", ""}) {
        SCOPED_TRACE(text);
        CloseSplash();
        DestroyMainWindow();
        ResetState();
        kestrane::test::WriteHostFile(running, text);
        responder.reset();
        responder = std::make_unique<platform::ScriptedResponder>();
        EXPECT_FALSE(Start());
        ASSERT_EQ(responder->Messages().size(), 1u);
        EXPECT_EQ(responder->Messages()[0].text, maybe);
        EXPECT_EQ(kestrane::test::ReadHostFile(running), text);
    }
    platform::SetWriteFaultForTest(nullptr);
}

// Play or Update that cannot start its program gives the editor back, but another editor may
// have started in the moment the editor let go of its lock: then this one says so and ends
// without saving, with locks and without.
TEST_F(EditorTest, AnEditorThatCannotTakeItsLockBackEndsWithoutSaving) {
    platform::RecordLaunchesForTest(nullptr);
    for (const bool locksRefused : {false, true}) {
        SCOPED_TRACE(locksRefused ? "locks refused" : "with locks");
        DestroyMainWindow();
        ResetState();
        Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=\r\n");
        responder.reset();
        responder = std::make_unique<platform::ScriptedResponder>();
        if (locksRefused) OtherEditor::RefuseLocks();
        ASSERT_TRUE(Start());
        OtherEditor other(prefix->ProgramFolder(), locksRefused);
        // As the editor takes its lock back (or, without locks, makes its running file again),
        // the other has just started.
        bool asked = false;
        platform::FolderLock taken{};
        platform::SetWriteFaultForTest([&](platform::WriteStep step, int64_t) {
            using platform::WriteStep;
            if (step != WriteStep::Lock && step != WriteStep::Exchange) return 0;
            if (!asked) {
                asked = true;
                taken = other.Take();
            }
            return step == WriteStep::Lock && locksRefused ? ENOLCK : 0;
        });
        MainWindow().Controls().SetText({"tbx_Name"}, "Edited");
        responder->AnswerMessage(platform::MsgAnswer::No);
        Trigger("mnuPatchwell_Kestrane");
        platform::SetWriteFaultForTest(nullptr);
        EXPECT_EQ(taken, platform::FolderLock::Taken);
        ASSERT_EQ(responder->Messages().size(), 2u);
        const std::string& text = responder->Messages()[1].text;
        EXPECT_EQ(text.rfind("Could not start C:\\Kestrane\\Patchwell.exe:\r\n", 0), 0u) << text;
        EXPECT_TRUE(
            text.ends_with("\r\n\r\nAnother Kestrane INI started from C:\\Kestrane "
                           "meanwhile. This one ends without saving, so that it cannot "
                           "undo that one's changes."))
            << text;
        EXPECT_TRUE(MainWindow().Unloaded());
        EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
    }
}

TEST_F(EditorTest, MissingGameFileIsNamed) {
    prefix->Write("UT2004/System/User.ini", test::kSmallUserIni);
    prefix->Write("Kestrane/Kestrane.ini", "Music=OFF\r\nProfileName=Me\r\n");
    EXPECT_FALSE(Start());
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("C:\\UT2004\\System\\UT2004.ini"),
              std::string::npos);
    EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "Music=OFF\r\nProfileName=Me\r\n");
}

// A User.ini that is no file says what it is instead of "missing".
TEST_F(EditorTest, AGameFileThatIsAFolderOrALoopingLinkSaysWhatItIs) {
    prefix->Write("UT2004/System/UT2004.ini", test::kSmallUt2004Ini);
    const std::string user = prefix->SystemFolder() + "/User.ini";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(user)));
    EXPECT_FALSE(Start());
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("User.ini is a folder, not a file"),
              std::string::npos)
        << responder->Messages()[0].text;

    TearDown();
    SetUp();
    prefix->Write("UT2004/System/UT2004.ini", test::kSmallUt2004Ini);
    const QString link = QString::fromStdString(prefix->SystemFolder() + "/User.ini");
    ASSERT_TRUE(QFile::link(link, link));
    EXPECT_FALSE(Start());
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("User.ini is a link that loops"),
              std::string::npos)
        << responder->Messages()[0].text;
}

// A lone LF inside a CR LF file ends its line; a start-up with a profile keeps every byte.
TEST_F(EditorTest, ALoneLfKeepsBothLinesThroughAStartWithAProfile) {
    const std::string user =
        "[XGame.xPlayer]\r\nDesiredFOV=90.000000\nDefaultFOV=85.000000\r\nbPlayerShadows=True\n"
        "bPlayOwnFootsteps=True\r\n";
    Install(user, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_FOV2"}), "85");
    EXPECT_EQ(MainWindow().Controls().Value({"c_Player_Shadow"}), 1);
    EXPECT_EQ(SystemFile("User.ini"), user);
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), user);
    EXPECT_EQ(ProgramFile("Profiles/Me/User.ini"), user);
}

// An LF-only file loads every row and stays LF-only, edits included.
TEST_F(EditorTest, AnLfOnlyFileLoadsAndStaysLfOnly) {
    Install("[XGame.xPlayer]\nName=Lin\nbPlayerShadows=False\n", "[Engine.Engine]\nX=1\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Lin");
    MainWindow().Controls().SetText({"tbx_Name"}, "Ux");
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), "[XGame.xPlayer]\nName=Ux\nbPlayerShadows=False\n");
}

TEST_F(EditorTest, MissingKestraneIniIsCreatedWithTheDefaultKeys) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "Music=ON\r\nProfileName=\r\nCacheDelete=False\r\n");
}

TEST_F(EditorTest, FileSaveWritesTheIniFolderAndWithAProfileTheSystemFolder) {
    Install();
    ASSERT_TRUE(Start());
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_EQ(saved.find("\r\n\r\n\r\n"), std::string::npos);  // the blank run collapsed
    EXPECT_FALSE(QFile::exists(QString::fromStdString(prefix->ProgramFolder() + "/Profiles")));

    // A profile: its folder first, then the game's System folder with the same content.
    DestroyMainWindow();
    ResetState();
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    ASSERT_TRUE(Start());
    prefix->Write("UT2004/System/User.ini", "stale");
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), ProgramFile("Profiles/Me/User.ini"));
    EXPECT_EQ(State().iniFolder, "C:\\Kestrane\\Profiles\\Me\\");
}

TEST_F(EditorTest, AFailedSaveNamesTheFileAndKeepsTheEditorOpen) {
    Install();
    ASSERT_TRUE(Start());
    QFile::setPermissions(QString::fromStdString(prefix->SystemFolder() + "/User.ini"),
                          QFileDevice::ReadOwner);
    Trigger("frmFileSave");
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("User.ini"), std::string::npos);
    EXPECT_FALSE(MainWindow().Unloaded());
    EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
}

struct LeaveCase {
    const char* item;
    platform::MsgAnswer answer;
    bool saves;
    bool leaves;
    const char* program;
};

TEST_F(EditorTest, PlayAndUpdateAskToSave) {
    const LeaveCase cases[] = {
        {"mnuPlayUT2k4", platform::MsgAnswer::Yes, true, true, "UT2004.exe"},
        {"mnuPlayUT2k4", platform::MsgAnswer::No, false, true, "UT2004.exe"},
        {"mnuPlayUT2k4", platform::MsgAnswer::Cancel, false, false, ""},
        {"mnuPatchwell_Kestrane", platform::MsgAnswer::Yes, true, true, "Patchwell"},
        {"mnuPatchwell_Kestrane", platform::MsgAnswer::No, false, true, "Patchwell"},
        {"mnuPatchwell_Kestrane", platform::MsgAnswer::Cancel, false, false, ""},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " " + std::to_string(static_cast<int>(c.answer)));
        DestroyMainWindow();
        ResetState();
        launches.clear();
        Install(std::string(test::kSmallUserIni));
        responder.reset();  // the old one unregisters before the new one takes over
        responder.reset();
        responder = std::make_unique<platform::ScriptedResponder>();
        ASSERT_TRUE(Start());
        responder->AnswerMessage(c.answer);
        Trigger(c.item);
        ASSERT_EQ(responder->Messages().size(), 1u);
        EXPECT_NE(responder->Messages()[0].text.find("\r\n\r\nDo You Want To Save?"),
                  std::string::npos);
        EXPECT_EQ(responder->Messages()[0].buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(responder->Messages()[0].icon, platform::MsgIcon::Question);
        EXPECT_EQ(SystemFile("User.ini") != test::kSmallUserIni, c.saves);
        EXPECT_EQ(MainWindow().Unloaded(), c.leaves);
        ASSERT_EQ(launches.size(), c.leaves ? 1u : 0u);
        if (c.leaves) {
            EXPECT_NE(launches[0].program.find(c.program), std::string::npos);
        }
    }
}

TEST_F(EditorTest, ValuesLongerThanALineEditsDefaultSurviveASave) {
    const std::string name(70000, 'n');
    const std::string character = "C" + std::string(40000, 'c');
    Install("[Engine.Input]\r\nSpace=Jump\r\n[DefaultPlayer]\r\nName=" + name +
            "\r\nCharacter=" + character + "\r\nStatsUsername=" + name + "\r\n");
    ASSERT_TRUE(Start());
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_NE(saved.find("\r\nName=" + name + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nCharacter=" + character + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nStatsUsername=" + name + "\r\n"), std::string::npos);
}

TEST_F(EditorTest, ExitWritesNothing) {
    Install();
    ASSERT_TRUE(Start());
    Trigger("mnuFileExit");
    EXPECT_TRUE(MainWindow().Unloaded());
    EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);
    EXPECT_TRUE(launches.empty());
    EXPECT_EQ(MainWindow().MenuItem("mnuFileExit")->shortcut(), QKeySequence("Ctrl+X"));
}

// Ctrl+X is Exit's shortcut, and the cut of the box that has the focus: there it cuts the
// selected text, and the editor stays.
TEST_F(EditorTest, CtrlXInATextBoxOrARawBoxCutsTheSelectionAndDoesNotLeave) {
    StartShown();
    auto* name = MainWindow().findChild<QLineEdit*>("tbx_Name");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    name->setSelection(0, 3);  // "Pla" of "Player"
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "yer");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Pla");
    EXPECT_FALSE(MainWindow().Unloaded());

    MainWindow().ShowTab("user_ini");
    auto* raw = MainWindow().findChild<QPlainTextEdit*>("RTB_User0");
    ASSERT_NE(raw, nullptr);
    raw->setFocus();
    QTextCursor cursor = raw->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(14, QTextCursor::KeepAnchor);  // "[Engine.Input]"
    raw->setTextCursor(cursor);
    QTest::keyClick(raw, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(raw->toPlainText().startsWith("\nAliases[0]="))
        << raw->toPlainText().left(40).toStdString();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "[Engine.Input]");
    EXPECT_FALSE(MainWindow().Unloaded());
    EXPECT_TRUE(MainWindow().isVisible());
    EXPECT_TRUE(responder->Messages().empty());
    EXPECT_EQ(SystemFile("User.ini"), test::kSmallUserIni);

    // Where nothing is cut, the same keys are Exit: it asks about the text typed in the box.
    MainWindow().SSTab1()->tabBar()->setFocus();
    QTest::keyClick(MainWindow().SSTab1()->tabBar(), Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("Close Kestrane INI anyway?"), std::string::npos);
}

TEST_F(EditorTest, MusicSwitchRewritesKestraneIni) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "ProfileName=\r\nmusic=on\r\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(State().musicOn);
    Trigger("mnuMusicOnOff");
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "ProfileName=\r\nmusic=OFF\r\n");
    Trigger("mnuMusicOnOff");
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "ProfileName=\r\nmusic=ON\r\n");
    EXPECT_TRUE(State().musicOn);
}

TEST_F(EditorTest, MissingMusicLineIsAddedNotWrittenOverAnotherKey) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "ProfileName=\r\nCacheDelete=True");
    ASSERT_TRUE(Start());
    Trigger("mnuMusicOnOff");
    EXPECT_EQ(ProgramFile("Kestrane.ini"), "ProfileName=\r\nCacheDelete=True\r\nMusic=ON");
}

TEST_F(EditorTest, OpenersOpenOneWindowEach) {
    Install();
    ASSERT_TRUE(Start());
    Trigger("mnuCacheEdit");
    Trigger("mnuCacheEdit");
    EXPECT_EQ(MainWindow().findChildren<QWidget*>("frmCache_Edit").size(), 1);
    auto* colorize = MainWindow().findChild<QAbstractButton*>("btnColorName");
    ASSERT_NE(colorize, nullptr);
    EXPECT_EQ(colorize->text(), "Colorize Player Name");
    colorize->click();
    colorize->click();
    EXPECT_EQ(MainWindow().findChildren<QWidget*>("frmColorName").size(), 1);
}

}  // namespace
}  // namespace kestrane
