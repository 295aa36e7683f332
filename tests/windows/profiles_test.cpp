#include <gtest/gtest.h>

#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "editor/store/ini_store.h"
#include "editor/store/program_state.h"
#include "editor/store/stray_copies.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/splash_window.h"
#include "editor/windows/tools/new_profile_dialog.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using platform::MsgAnswer;
using test::EditorTest;

constexpr const char* kTemplateUser = "[DefaultPlayer]\r\nName=Templar\r\n[Engine.Input]\r\nF=Fire";
constexpr const char* kTemplateUt = "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n";

class ProfilesTest : public EditorTest {
  protected:
    // Every file and folder under drive_c with its bytes: what a refused step must leave alone.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> tree;
        const QString root = QString::fromStdString(prefix->DriveC());
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            const std::string rel = info.filePath().mid(root.size()).toStdString();
            // The record of folders written into gains each folder a failed write was tried in.
            if (info.fileName() == kTempFolderRecord) continue;
            tree[rel] =
                info.isDir() ? "<folder>" : test::ReadHostFile(info.filePath().toStdString());
        }
        return tree;
    }

    // A fresh editor on the files as they lie on disk.
    void Restart() {
        CloseSplash();
        DestroyMainWindow();
        QCoreApplication::processEvents();
        ResetState();
        responder.reset();
        responder = std::make_unique<platform::ScriptedResponder>();
        ASSERT_TRUE(Start());
    }

    // A fresh prefix, installed and started.
    void Fresh(const std::string& kestrane) {
        CloseSplash();
        DestroyMainWindow();
        QCoreApplication::processEvents();
        ResetState();
        responder.reset();
        prefix.reset();
        prefix = std::make_unique<test::TempPrefix>();
        responder = std::make_unique<platform::ScriptedResponder>();
        Install(test::kSmallUserIni, test::kSmallUt2004Ini, kestrane);
        ASSERT_TRUE(Start());
    }

    frmNewProfile& Dialog() {
        frmNewProfile* dialog = NewProfileDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }

    void EnterName(const QString& name) {
        QLineEdit* box = Dialog().tbxNewProfile();
        box->setText(name);
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::string Kestrane(const char* key) const {
        IniStore store;
        store.Load(ProgramFile("Kestrane.ini"));
        return GetVal(store, key);
    }

    std::string LastMessage() const {
        return responder->Messages().empty() ? "" : responder->Messages().back().text;
    }
};

TEST_F(ProfilesTest, FirstStartEndsInAProfileThatTheNextStartOpens) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nCacheDelete=True\r\n");
    ASSERT_TRUE(Start());
    Splash().tmrShow_Timer();
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), "You Must Associate a New Profile Name for the Current User");

    frmNewProfile& dialog = Dialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.parentWidget(), &MainWindow());
    EXPECT_EQ(dialog.windowTitle(), "Kestrane INI - New Profile");
    EXPECT_TRUE(dialog.OKButton()->isDefault());
    QTest::keyClicks(dialog.tbxNewProfile(), "Work");
    QTest::keyClick(dialog.tbxNewProfile(), Qt::Key_Return);

    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(ProgramFile("Profiles/Work/User.ini"), SystemFile("User.ini"));
    EXPECT_EQ(ProgramFile("Profiles/Work/UT2004.ini"), SystemFile("UT2004.ini"));
    EXPECT_NE(SystemFile("User.ini").find("Name=Player\r\n"), std::string::npos);
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Work");
    EXPECT_EQ(State().iniFolder, "C:\\Kestrane\\Profiles\\Work\\");
    EXPECT_TRUE(State().profileActive);
    EXPECT_FALSE(State().newProfileFromCurrent);
    // The missing line was added; the other keys kept their values.
    EXPECT_EQ(Kestrane("ProfileName"), "Work");
    EXPECT_EQ(Kestrane("Music"), "OFF");
    EXPECT_EQ(Kestrane("CacheDelete"), "True");

    Restart();
    Splash().tmrShow_Timer();
    EXPECT_TRUE(responder->Messages().empty());
    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Work");
    EXPECT_EQ(State().iniFolder, "C:\\Kestrane\\Profiles\\Work\\");
}

// A clan tag is part of a value, not a section header: the player's name and the profile's
// name load, take an edit, save, and come back at the next start.
TEST_F(ProfilesTest, ClanTagsInNamesLoadEditSaveAndComeBack) {
    Install("[DefaultPlayer]\r\nName=Ace[KX]\r\nTeam=1\r\n", test::kSmallUt2004Ini,
            "Music=OFF\r\nProfileName=\r\nCacheDelete=False\r\n");
    ASSERT_TRUE(Start());
    auto* name = MainWindow().Controls().Get<QLineEdit>({"tbx_Name"});
    EXPECT_EQ(name->text(), "Ace[KX]");
    EXPECT_TRUE(name->isEnabled());
    Splash().tmrShow_Timer();
    EnterName("Clan [TAM]");
    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_EQ(Kestrane("ProfileName"), "Clan [TAM]");

    name->setText("Bo[KX]");
    Trigger("frmFileSave");
    const std::string saved = "[DefaultPlayer]\r\nName=Bo[KX]\r\nTeam=1\r\n";
    EXPECT_EQ(SystemFile("User.ini"), saved);
    EXPECT_EQ(ProgramFile("Profiles/Clan [TAM]/User.ini"), saved);

    Restart();
    Splash().tmrShow_Timer();
    EXPECT_TRUE(responder->Messages().empty());  // no "You Must Associate..." again
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Clan [TAM]");
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Bo[KX]");
    EXPECT_EQ(ProgramFile("Kestrane.ini"),
              "Music=OFF\r\nProfileName=Clan [TAM]\r\nCacheDelete=False\r\n");
}

TEST_F(ProfilesTest, CancelAndAnEmptyNameLeaveNoProfileAndTheMessageReturns) {
    Install();
    ASSERT_TRUE(Start());
    Splash().tmrShow_Timer();
    const auto before = Snapshot();
    QTest::keyClick(Dialog().tbxNewProfile(), Qt::Key_Escape);
    EXPECT_EQ(NewProfileDialog(), nullptr);

    Trigger("mnuNewProfile");  // still in the mode that saves the current settings
    QTest::keyClick(Dialog().tbxNewProfile(), Qt::Key_Return);
    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(State().newProfileFromCurrent);

    Restart();
    Splash().tmrShow_Timer();
    EXPECT_EQ(LastMessage(), "You Must Associate a New Profile Name for the Current User");
}

TEST_F(ProfilesTest, NewProfileCopiesTheTemplateWithOneLineEnd) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    prefix->Write("Kestrane/Profiles/Default/User.ini", kTemplateUser);
    ASSERT_TRUE(Start());
    const std::string systemUser = SystemFile("User.ini");
    const std::string systemUt = SystemFile("UT2004.ini");

    // Without its UT2004.ini the template makes nothing, and says which file is missing.
    auto before = Snapshot();
    Trigger("mnuNewProfile");
    EnterName("Work");
    EXPECT_NE(LastMessage().find("C:\\Kestrane\\Profiles\\Default\\UT2004.ini"), std::string::npos)
        << LastMessage();
    EXPECT_EQ(Dialog().tbxNewProfile()->text(), "Work");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Me");

    prefix->Write("Kestrane/Profiles/Default/UT2004.ini", kTemplateUt);
    EnterName("Work");
    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_EQ(ProgramFile("Profiles/Work/User.ini"), std::string(kTemplateUser) + "\r\n");
    EXPECT_EQ(ProgramFile("Profiles/Work/UT2004.ini"), std::string(kTemplateUt) + "\r\n");
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Work");
    EXPECT_EQ(Kestrane("ProfileName"), "Work");
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Templar");
    // The game's files wait for the next save.
    EXPECT_EQ(SystemFile("User.ini"), systemUser);
    EXPECT_EQ(SystemFile("UT2004.ini"), systemUt);
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), ProgramFile("Profiles/Work/User.ini"));
}

// The template replaces what the tabs show: an unsaved edit is asked about first (Cancel keeps
// the dialog open), and Yes saves it into the loaded profile before the template comes in.
TEST_F(ProfilesTest, NewProfileFromTheTemplateAsksAboutUnsavedEdits) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    prefix->Write("Kestrane/Profiles/Default/User.ini", kTemplateUser);
    prefix->Write("Kestrane/Profiles/Default/UT2004.ini", kTemplateUt);
    ASSERT_TRUE(Start());
    MainWindow().Controls().SetText({"tbx_Name"}, "Edited");
    Trigger("mnuNewProfile");
    const auto before = Snapshot();
    responder->AnswerMessage(MsgAnswer::Cancel);
    EnterName("Work");
    EXPECT_EQ(LastMessage(),
              "The changes on the setting tabs have not been saved.\r\n\r\n"
              "Save the changes before making the profile from the template?");
    EXPECT_EQ(Dialog().tbxNewProfile()->text(), "Work");
    EXPECT_EQ(Snapshot(), before);

    responder->AnswerMessage(MsgAnswer::Yes);
    EnterName("Work");
    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_NE(ProgramFile("Profiles/Me/User.ini").find("Name=Edited"), std::string::npos);
    EXPECT_NE(SystemFile("User.ini").find("Name=Edited"), std::string::npos);
    EXPECT_EQ(ProgramFile("Profiles/Work/User.ini"), std::string(kTemplateUser) + "\r\n");
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Templar");
}

// A copy that the disk cuts short makes no profile: the message names the file and the
// system's reason, and every file and folder is as before.
TEST_F(ProfilesTest, ATemplateCopyThatFailsMakesNoProfileAndSaysWhy) {
    for (const test::DiskFailure& c : test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        Fresh("Music=OFF\r\nProfileName=Me\r\n");
        prefix->Write("Kestrane/Profiles/Default/User.ini",
                      std::string(kTemplateUser) + "\r\nFiller=" + std::string(c.size, 'f'));
        prefix->Write("Kestrane/Profiles/Default/UT2004.ini", kTemplateUt);
        const auto before = Snapshot();
        Trigger("mnuNewProfile");
        test::FailingWrites failing(c.step, c.error);
        EnterName("Work");
        EXPECT_EQ(LastMessage(), "Could not write C:\\Kestrane\\Profiles\\Work\\User.ini: " +
                                     std::string(c.reason));
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(Dialog().tbxNewProfile()->text(), "Work");
        EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Me");
        QTest::keyClick(Dialog().tbxNewProfile(), Qt::Key_Escape);
    }
}

// A profile's folder that cannot be made is told with the system's reason, whichever way the
// profile is made: at a start whose stored profile lost its folder, from the template, and
// from the current settings.
TEST_F(ProfilesTest, AFolderThatCannotBeMadeIsToldWithTheSystemsReason) {
    const std::string reason = ": Input/output error.";
    {
        Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Gone\r\n");
        test::FailingWrites failing(platform::WriteStep::MakeFolder, EIO);
        ASSERT_TRUE(Start());
        EXPECT_EQ(LastMessage(), "Could not make the folder C:\\Kestrane\\Profiles\\" + reason +
                                     " The profile's copies were not written.");
    }
    for (const bool fromCurrent : {false, true}) {
        SCOPED_TRACE(fromCurrent ? "from the current settings" : "from the template");
        Fresh("Music=OFF\r\nProfileName=Me\r\n");
        prefix->Write("Kestrane/Profiles/Default/User.ini", kTemplateUser);
        prefix->Write("Kestrane/Profiles/Default/UT2004.ini", kTemplateUt);
        const auto before = Snapshot();
        Trigger(fromCurrent ? "mnuSaveNewProfile" : "mnuNewProfile");
        test::FailingWrites failing(platform::WriteStep::MakeFolder, EIO);
        EnterName("Work");
        EXPECT_EQ(LastMessage(),
                  "Could not make the folder C:\\Kestrane\\Profiles\\Work\\" + reason);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Me");
        QTest::keyClick(Dialog().tbxNewProfile(), Qt::Key_Escape);
    }
}

TEST_F(ProfilesTest, SaveAsNewProfileWritesTheGameAndTheProfileAlike) {
    Install();
    ASSERT_TRUE(Start());
    MainWindow().Controls().SetText({"tbx_Name"}, "Edited");
    Trigger("mnuSaveNewProfile");
    Trigger("mnuSaveNewProfile");  // open already: one dialog
    EXPECT_EQ(MainWindow().findChildren<frmNewProfile*>().size(), 1);
    QTest::keyClicks(Dialog().tbxNewProfile(), "Mine");
    Dialog().OKButton()->click();

    EXPECT_NE(SystemFile("User.ini").find("\r\nName=Edited\r\n"), std::string::npos);
    EXPECT_EQ(ProgramFile("Profiles/Mine/User.ini"), SystemFile("User.ini"));
    EXPECT_EQ(ProgramFile("Profiles/Mine/UT2004.ini"), SystemFile("UT2004.ini"));
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Edited");
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Mine");
    EXPECT_FALSE(State().newProfileFromCurrent);

    // New Profile is back to the template now.
    prefix->Write("Kestrane/Profiles/Default/User.ini", kTemplateUser);
    prefix->Write("Kestrane/Profiles/Default/UT2004.ini", kTemplateUt);
    Trigger("mnuNewProfile");
    EnterName("Fresh");
    EXPECT_EQ(ProgramFile("Profiles/Fresh/User.ini"), std::string(kTemplateUser) + "\r\n");
}

// A raw Save with a profile loaded reaches the game's file too: the next start copies the
// game's files over the profile's, which would drop the typed line.
TEST_F(ProfilesTest, ARawSaveWithAProfileLoadedOutlivesTheNextStart) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini,
            "Music=OFF\r\nProfileName=Work\r\nCacheDelete=False\r\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(State().profileActive);
    MainWindow().ShowTab("user_ini");
    auto* box = MainWindow().Controls().Get<RichTextBox>({"RTB_User", 0});
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->SetSelStart(0);
    QTest::keyClicks(box, "Typed=1");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::mouseClick(MainWindow().Controls().Get<QPushButton>({"cb_SaveUser", 0}), Qt::LeftButton);
    EXPECT_TRUE(SystemFile("User.ini").starts_with("Typed=1\r\n"));
    EXPECT_EQ(ProgramFile("Profiles/Work/User.ini"), SystemFile("User.ini"));

    Restart();
    EXPECT_TRUE(SystemFile("User.ini").starts_with("Typed=1\r\n"));
    EXPECT_TRUE(ProgramFile("Profiles/Work/User.ini").starts_with("Typed=1\r\n"));
}

TEST_F(ProfilesTest, AnExistingProfileIsReplacedOnlyWhenTheAnswerIsYes) {
    Install();
    prefix->Write("Kestrane/Profiles/Work/User.ini", "old user");
    prefix->Write("Kestrane/Profiles/Work/UT2004.ini", "old ut");
    ASSERT_TRUE(Start());
    Trigger("mnuSaveNewProfile");
    responder->AnswerMessage(MsgAnswer::No);
    EnterName("work");
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_NE(LastMessage().find("'work' exists already"), std::string::npos);
    EXPECT_EQ(Dialog().tbxNewProfile()->text(), "work");
    EXPECT_EQ(ProgramFile("Profiles/Work/User.ini"), "old user");
    EXPECT_FALSE(State().profileActive);

    responder->AnswerMessage(MsgAnswer::Yes);
    EnterName("work");
    EXPECT_EQ(NewProfileDialog(), nullptr);
    EXPECT_EQ(ProgramFile("Profiles/Work/User.ini"), SystemFile("User.ini"));
    EXPECT_EQ(ProgramFile("Profiles/Work/UT2004.ini"), SystemFile("UT2004.ini"));
}

// Names that are no single folder name: typed into the dialog, and stored in Kestrane.ini.
const char* const kRefusedNames[] = {
    " ",
    "   ",
    ".",
    "..",
    "..\\..\\x",
    "../../x",
    "..\\..",
    "a/b",
    "a\\b",
    "a<b",
    "a>b",
    "a:b",
    "a\"b",
    "a|b",
    "a?b",
    "a*b",
    "a\tb",
    "a\x1f"
    "b",
    "CON",
    "nul",
    "Com1",
    "lpt9.txt",
    "aux .x",
    "Work.",
    "Work ",
};

TEST_F(ProfilesTest, RefusedNamesWriteNothingWhenTyped) {
    std::vector<std::string> names(std::begin(kRefusedNames), std::end(kRefusedNames));
    names.push_back(std::string(256, 'n'));
    for (const std::string& name : names) {
        SCOPED_TRACE("typed \"" + name + "\"");
        Fresh("Music=OFF\r\nProfileName=\r\n");
        Splash().tmrShow_Timer();
        const auto before = Snapshot();
        EnterName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        EXPECT_EQ(LastMessage().rfind("The name \"" + name + "\" cannot be a profile name: ", 0),
                  0u)
            << LastMessage();
        ASSERT_NE(NewProfileDialog(), nullptr);
        EXPECT_EQ(Dialog().tbxNewProfile()->text().toStdString(), name);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI");
    }
}

TEST_F(ProfilesTest, RefusedStoredNamesCountAsNoProfile) {
    std::vector<std::string> names(std::begin(kRefusedNames), std::end(kRefusedNames));
    names.push_back(std::string(256, 'n'));
    for (const std::string& name : names) {
        SCOPED_TRACE("stored \"" + name + "\"");
        Fresh("Music=OFF\r\nProfileName=" + name + "\r\n");
        const auto before = Snapshot();
        Splash().tmrShow_Timer();
        ASSERT_EQ(responder->Messages().size(), 2u);
        EXPECT_NE(responder->Messages()[0].text.find("\"" + name + "\", which was not loaded"),
                  std::string::npos)
            << responder->Messages()[0].text;
        EXPECT_EQ(LastMessage(), "You Must Associate a New Profile Name for the Current User");
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(State().iniFolder, "C:\\UT2004\\System\\");
        EXPECT_FALSE(State().profileActive);
        EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI");
    }
}

TEST_F(ProfilesTest, NamesThatCanBeFoldersAreTaken) {
    const std::string names[] = {"Clan [TAM] v2", " lead", "CONSOLE",
                                 "com10",         "x.y",   std::string(255, 'n')};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Fresh("Music=OFF\r\nProfileName=\r\n");
        Trigger("mnuSaveNewProfile");
        EnterName(QString::fromStdString(name));
        EXPECT_EQ(NewProfileDialog(), nullptr) << LastMessage();
        EXPECT_EQ(ProgramFile("Profiles/" + name + "/User.ini"), SystemFile("User.ini"));
        EXPECT_EQ(Kestrane("ProfileName"), name);
    }
}

TEST_F(ProfilesTest, LoadProfileWritesItsSettingsIntoTheGame) {
    Install();
    prefix->Write("Elsewhere/Empty/readme.txt", "x");
    prefix->Write("Kestrane/Profiles/Half/User.ini", "[DefaultPlayer]\r\nName=Half\r\n");
    prefix->Write("Kestrane/Profiles/Clan/User.ini", "[DefaultPlayer]\r\nName=Clanner\r\n");
    prefix->Write("Kestrane/Profiles/Clan/UT2004.ini", kTemplateUt);
    ASSERT_TRUE(Start());
    const auto before = Snapshot();

    struct Refusal {
        const char* chosen;
        const char* message;
    };
    const Refusal refusals[] = {
        {"", ""},  // cancelled
        {"C:\\Elsewhere\\Empty", "Not A Valid Profile"},
        {"C:\\Kestrane\\Profiles\\Half",
         "Not A Valid Profile: C:\\Kestrane\\Profiles\\Half\\UT2004.ini does not exist."},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.chosen);
        responder->AnswerFolderDialog(r.chosen);
        Trigger("mnuLoadProfile");
        EXPECT_EQ(LastMessage(), r.message);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI");
        EXPECT_EQ(State().iniFolder, "C:\\UT2004\\System\\");
        EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Player");
    }
    ASSERT_EQ(responder->AskedDialogs().size(), 3u);
    EXPECT_EQ(responder->AskedDialogs()[0].caption, "Select A Profile to Load");
    EXPECT_EQ(responder->AskedDialogs()[0].initialFolder, "C:\\Kestrane\\Profiles");

    responder->AnswerFolderDialog("C:\\Kestrane\\Profiles\\Clan");
    Trigger("mnuLoadProfile");
    EXPECT_EQ(MainWindow().windowTitle(), "Kestrane INI - Profile Loaded: Clan");
    EXPECT_EQ(Kestrane("ProfileName"), "Clan");
    EXPECT_EQ(State().iniFolder, "C:\\Kestrane\\Profiles\\Clan\\");
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Clanner");
    // The profile gained the game sections, and the game took the profile's settings.
    const std::string ut = ProgramFile("Profiles/Clan/UT2004.ini");
    EXPECT_NE(ut.find("[SkaarjPack.Invasion]"), std::string::npos);
    EXPECT_NE(SystemFile("UT2004.ini").find("[SkaarjPack.Invasion]"), std::string::npos);
    EXPECT_NE(SystemFile("User.ini").find("Name=Clanner"), std::string::npos);
    EXPECT_EQ(SystemFile("User.ini").find("Name=Player"), std::string::npos);
}

// A load replaces what the tabs show: unsaved edits are asked about first (Cancel stays, No
// drops them, Yes saves them where they came from), and a loaded profile counts as saved.
TEST_F(ProfilesTest, LoadProfileAsksBeforeDroppingEditsAndThenCountsAsSaved) {
    Install();
    prefix->Write("Kestrane/Profiles/Clan/User.ini", "[DefaultPlayer]\r\nName=Clanner\r\n");
    prefix->Write("Kestrane/Profiles/Clan/UT2004.ini", kTemplateUt);
    prefix->Write("Kestrane/Profiles/Duo/User.ini", "[DefaultPlayer]\r\nName=Duo\r\n");
    prefix->Write("Kestrane/Profiles/Duo/UT2004.ini", kTemplateUt);
    ASSERT_TRUE(Start());
    MainWindow().Controls().SetText({"tbx_Name"}, "Typed");
    const auto before = Snapshot();
    responder->AnswerFolderDialog("C:\\Kestrane\\Profiles\\Clan");
    responder->AnswerMessage(MsgAnswer::Cancel);
    Trigger("mnuLoadProfile");
    EXPECT_EQ(LastMessage(),
              "The changes on the setting tabs have not been saved.\r\n\r\n"
              "Save the changes before loading the profile?");
    EXPECT_EQ(responder->Messages().back().buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Typed");

    responder->AnswerFolderDialog("C:\\Kestrane\\Profiles\\Clan");
    responder->AnswerMessage(MsgAnswer::No);
    Trigger("mnuLoadProfile");
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Clanner");
    EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
    EXPECT_EQ(ProgramFile("Profiles/Clan/User.ini"), "[DefaultPlayer]\r\nName=Clanner\r\n");

    // Yes: the edit goes into the loaded profile and the game, then the next profile loads.
    MainWindow().Controls().SetText({"tbx_Name"}, "Kept");
    responder->AnswerFolderDialog("C:\\Kestrane\\Profiles\\Duo");
    responder->AnswerMessage(MsgAnswer::Yes);
    Trigger("mnuLoadProfile");
    EXPECT_EQ(ProgramFile("Profiles/Clan/User.ini"), "[DefaultPlayer]\r\nName=Kept\r\n");
    EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Duo");
    EXPECT_EQ(SystemFile("User.ini"), "[DefaultPlayer]\r\nName=Duo\r\n");
}

TEST_F(ProfilesTest, DeleteTakesOnlyTheNamedFolderUnderProfiles) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    prefix->Write("Kestrane/Profiles/Default/User.ini", kTemplateUser);
    prefix->Write("Kestrane/Profiles/Old/User.ini", "old");
    prefix->Write("Elsewhere/Old/User.ini", "keep");
    ASSERT_TRUE(Start());
    const auto before = Snapshot();

    struct Refusal {
        const char* chosen;
        std::string message;
        platform::MsgIcon icon;
    };
    const Refusal refusals[] = {
        {"C:\\", "C:\\ is not a profile: choose a profile's folder inside C:\\Kestrane\\Profiles.",
         platform::MsgIcon::None},
        {"C:\\kestrane\\PROFILES",
         "C:\\kestrane\\PROFILES is not a profile: choose a profile's folder inside "
         "C:\\Kestrane\\Profiles.",
         platform::MsgIcon::None},
        {"C:\\Kestrane\\Profiles\\ME", "Can Not Delete A Loaded Profile",
         platform::MsgIcon::Critical},
        {"C:\\Elsewhere\\dEfAuLt", "Sorry the 'Defualt' Profile Can Not Be Deleted",
         platform::MsgIcon::None},
        {"C:\\Kestrane\\Profiles\\..",
         "The name \"..\" cannot be a profile name: it names a folder around the profile, not a "
         "profile.",
         platform::MsgIcon::None},
        {"C:\\Kestrane\\Profiles\\Gone",
         "There is no profile folder C:\\Kestrane\\Profiles\\Gone\\: nothing was deleted.",
         platform::MsgIcon::None},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.chosen);
        responder->AnswerFolderDialog(r.chosen);
        Trigger("mnuDeleteProfile");
        ASSERT_FALSE(responder->Messages().empty());
        EXPECT_EQ(LastMessage(), r.message);
        EXPECT_EQ(responder->Messages().back().icon, r.icon);
        EXPECT_EQ(Snapshot(), before);
    }
    EXPECT_EQ(responder->AskedDialogs()[0].caption, "Select A Profile to Delete");
    EXPECT_EQ(responder->AskedDialogs()[0].initialFolder, "C:\\Kestrane\\Profiles");

    // The browser went elsewhere; the folder of that name under "\Profiles\" goes, once the
    // player says so.
    responder->AnswerFolderDialog("C:\\Elsewhere\\Old");
    responder->AnswerMessage(MsgAnswer::No);
    Trigger("mnuDeleteProfile");
    EXPECT_EQ(LastMessage(),
              "Delete the profile 'Old'? Its folder C:\\Kestrane\\Profiles\\Old\\ goes with "
              "everything in it.");
    EXPECT_EQ(Snapshot(), before);
    responder->AnswerFolderDialog("C:\\Elsewhere\\Old");
    responder->AnswerMessage(MsgAnswer::Yes);
    Trigger("mnuDeleteProfile");
    EXPECT_EQ(LastMessage(), "Profile 'Old' Has Been Deleted");
    auto expected = before;
    expected.erase("/Kestrane/Profiles/Old");
    expected.erase("/Kestrane/Profiles/Old/User.ini");
    EXPECT_EQ(Snapshot(), expected);
}

}  // namespace
}  // namespace kestrane
