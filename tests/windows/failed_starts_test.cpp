// Starts that fail, seen through real message boxes where the fault is in how long a box stays:
// a Play or Update whose program cannot start, and a splash whose time is up while the main
// window's load step is still waiting on a message or has failed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/splash_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;

// Calls `onBox` for every real message box that is open, at each tick of a 50 ms timer,
// while it lives.
class BoxWatcher {
  public:
    explicit BoxWatcher(std::function<void(QMessageBox&)> onBox) {
        QObject::connect(&poll_, &QTimer::timeout, [onBox] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                onBox(*box);
            }
        });
        poll_.start(50);
    }

  private:
    QTimer poll_;
};

class PathWithoutWine {
  public:
    PathWithoutWine() : saved_(qgetenv("PATH")) { qputenv("PATH", empty_.path().toLocal8Bit()); }
    ~PathWithoutWine() { qputenv("PATH", saved_); }

  private:
    QTemporaryDir empty_;
    QByteArray saved_;
};

QLineEdit* NameBox() {
    return MainWindow().Controls().Get<QLineEdit>({"tbx_Name"});
}

TEST_F(EditorTest, APlayThatCannotStartWaitsForAnAnswerAndTheEditorStaysWithItsEdits) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    prefix->Write("UT2004/System/UT2004.exe", "MZ");
    ASSERT_TRUE(Start());
    Splash().tmrShow_Timer();
    const std::string saved = SystemFile("User.ini");
    NameBox()->setText("Edited");
    platform::RecordLaunchesForTest(nullptr);
    responder.reset();  // real boxes from here on
    PathWithoutWine noWine;

    // The failure's box is left open for many turns of the loop, long after anything the
    // editor queued (a quit, a close) would have run; then it is answered.
    int turnsOpen = -1;
    bool openAfterManyTurns = false, editorShownMeanwhile = false;
    std::string failure;
    BoxWatcher watcher([&](QMessageBox& box) {
        if (box.text().contains("Do You Want To Save?")) {
            box.button(QMessageBox::No)->click();
            return;
        }
        if (turnsOpen < 0) failure = box.text().toStdString();
        if (++turnsOpen >= 20) {
            openAfterManyTurns = box.isVisible();
            editorShownMeanwhile = MainWindow().isVisible();
            box.button(QMessageBox::Ok)->click();
        }
    });
    // Inside the application's own loop, where a quit asked for by the editor would end it.
    QTimer::singleShot(0, [&] {
        Trigger("mnuPlayUT2k4");
        QTimer::singleShot(300, [] { QCoreApplication::exit(42); });
    });
    EXPECT_EQ(QApplication::exec(), 42) << "the editor asked to end";

    EXPECT_TRUE(openAfterManyTurns);
    EXPECT_TRUE(editorShownMeanwhile);
    EXPECT_NE(failure.find("C:\\UT2004\\System\\UT2004.exe"), std::string::npos) << failure;
    EXPECT_NE(failure.find("wine was not found"), std::string::npos) << failure;
    EXPECT_TRUE(MainWindow().isVisible());
    EXPECT_FALSE(MainWindow().Unloaded());
    EXPECT_EQ(NameBox()->text(), "Edited");
    EXPECT_EQ(SystemFile("User.ini"), saved);  // answered No

    // The editor goes on as before: a save writes the edit.
    responder = std::make_unique<platform::ScriptedResponder>();
    Trigger("frmFileSave");
    EXPECT_TRUE(responder->Messages().empty());
    EXPECT_NE(SystemFile("User.ini").find("Name=Edited\r\n"), std::string::npos);
}

TEST_F(EditorTest, AMissingProgramIsNamedAndTheEditorComesBack) {
    struct Case {
        const char* item;
        const char* named;  // in the message, after "Could not start "
    };
    const Case cases[] = {
        {"mnuPlayUT2k4", "C:\\UT2004\\System\\UT2004.exe:\r\nthe file "},
        {"mnuPatchwell_Kestrane", "C:\\Kestrane\\Patchwell.exe:\r\nthe file "},
    };
    platform::RecordLaunchesForTest(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        DestroyMainWindow();
        ResetState();
        Install();
        responder.reset();
        responder = std::make_unique<platform::ScriptedResponder>();
        ASSERT_TRUE(Start());
        NameBox()->setText("Edited");
        responder->AnswerMessage(platform::MsgAnswer::Yes);
        Trigger(c.item);
        ASSERT_EQ(responder->Messages().size(), 2u);
        const std::string& text = responder->Messages()[1].text;
        EXPECT_EQ(text.rfind(std::string("Could not start ") + c.named, 0), 0u) << text;
        EXPECT_NE(text.find(" does not exist"), std::string::npos) << text;
        EXPECT_FALSE(MainWindow().Unloaded());
        EXPECT_TRUE(MainWindow().isVisible());
        EXPECT_EQ(NameBox()->text(), "Edited");
        EXPECT_NE(SystemFile("User.ini").find("Name=Edited\r\n"), std::string::npos);
    }
}

TEST_F(EditorTest, TheSplashShowsTheMainWindowOnlyAfterItsLoadStepSucceeded) {
    struct Case {
        const char* what;
        std::function<void(test::TempPrefix&)> install;
        bool loads;
    };
    const Case cases[] = {
        {"game not found", [](test::TempPrefix& p) { p.WriteSystemReg(""); }, false},
        // The profile's folder cannot be made: the load step goes on after its message.
        {"a message inside a load that succeeds",
         [](test::TempPrefix& p) {
             p.Write("UT2004/System/User.ini", test::kSmallUserIni);
             p.Write("UT2004/System/UT2004.ini", test::kSmallUt2004Ini);
             p.Write("Kestrane/Profiles", "a file where the folder should be");
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CloseSplash();
        DestroyMainWindow();
        ResetState();
        responder.reset();
        prefix.reset();  // the old one gives WINEPREFIX back before the new one takes it
        prefix = std::make_unique<test::TempPrefix>();
        prefix->Write("Kestrane/Kestrane.ini", "Music=OFF\r\nProfileName=Me\r\n");
        c.install(*prefix);
        bool boxSeen = false, shownBehindTheBox = false;
        BoxWatcher watcher([&](QMessageBox& box) {
            boxSeen = true;
            // The splash's time comes while the load step waits on its message.
            if (SplashExists()) Splash().tmrShow_Timer();
            shownBehindTheBox =
                shownBehindTheBox || (MainWindowExists() && MainWindow().isVisible());
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(Start(), c.loads);
        QApplication::processEvents();
        EXPECT_TRUE(boxSeen);
        EXPECT_FALSE(shownBehindTheBox);
        EXPECT_FALSE(SplashExists() && Splash().isVisible());
        EXPECT_EQ(MainWindowExists() && MainWindow().isVisible(), c.loads);
    }
}

}  // namespace
}  // namespace kestrane
