#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/scripted_responder.h"
#include "tests/support/temp_prefix.h"

namespace {

using kestrane::test::TempPrefix;

TEST(DialogFilter, PairsBecomeQtNameFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"INI files (*.ini)|User.ini|All files (*.*)|*.*",
         {"INI files (*.ini) (User.ini)", "All files (*.*) (*)"}},
        {"Text (*.txt)|*.txt", {"Text (*.txt) (*.txt)"}},
        {"Packages|*.u;*.utx; *.ut2", {"Packages (*.u *.utx *.ut2)"}},
        // The list ends where Windows would end it.
        {"A|*.a|B", {"A (*.a)"}},
        {"A|*.a||*.b|C|*.c", {"A (*.a)"}},
        {"A||B|*.b", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ToQtNameFilters(c.filter), c.expected) << c.filter;
    }
}

TEST(FileDialogs, TakeTheScriptedAnswersAndRecordWhatWasAsked) {
    platform::ScriptedResponder responder;
    responder.AnswerFileDialog("C:\\UT2004\\System\\User.ini");
    responder.AnswerFileDialog("");
    const std::string filter = "INI files (*.ini)|User.ini|All files (*.*)|*.*";
    EXPECT_EQ(platform::ShowSaveDialog(filter, "ini", "C:\\UT2004\\System\\", 4096, nullptr),
              "C:\\UT2004\\System\\User.ini");
    EXPECT_EQ(platform::ShowOpenDialog("Text|*.txt", "txt", "C:\\UT2004\\", 2, nullptr), "");
    // No answer left: cancelled.
    EXPECT_EQ(platform::ShowOpenDialog("Text|*.txt", "txt", "C:\\UT2004\\", 2, nullptr), "");

    ASSERT_EQ(responder.AskedDialogs().size(), 3u);
    const platform::AskedDialog& save = responder.AskedDialogs()[0];
    EXPECT_EQ(save.caption, "Save As");
    EXPECT_EQ(save.filter, filter);
    EXPECT_EQ(save.defaultExtension, "ini");
    EXPECT_EQ(save.initialFolder, "C:\\UT2004\\System\\");
    EXPECT_EQ(save.flags, 4096);
    EXPECT_EQ(responder.AskedDialogs()[1].caption, "Open");
    EXPECT_EQ(responder.AskedDialogs()[1].flags, 2);
}

TEST(FolderBrowser, TakesTheScriptedAnswer) {
    platform::ScriptedResponder responder;
    responder.AnswerFolderDialog("C:\\Kestrane\\Profiles\\Work");
    EXPECT_EQ(
        platform::BrowseForFolder(nullptr, "Select A Profile to Load", "C:\\Kestrane\\Profiles"),
        "C:\\Kestrane\\Profiles\\Work");
    EXPECT_EQ(
        platform::BrowseForFolder(nullptr, "Select A Profile to Delete", "C:\\Kestrane\\Profiles"),
        "");
    ASSERT_EQ(responder.Dialogs(),
              (std::vector<std::string>{"Select A Profile to Load", "Select A Profile to Delete"}));
    EXPECT_EQ(responder.AskedDialogs()[0].initialFolder, "C:\\Kestrane\\Profiles");
}

// Without the must-exist flag the open dialog takes a new name, and the default extension is
// added to it (the cache export chooses its target so).
TEST(FileDialogs, RealOpenDialogTakesATypedNewName) {
    TempPrefix prefix;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("Export");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(
        platform::ShowOpenDialog("Text (*.txt)|*.txt", "txt", "C:\\UT2004\\System\\", 2, nullptr),
        "C:\\UT2004\\System\\Export.txt");
    EXPECT_EQ(filters, QStringList{"Text (*.txt) (*.txt)"});
}

// A save dialog that asks before replacing opens on the nearest folder that exists: the game
// folder when the game has no Textures folder yet.
TEST(FileDialogs, RealSaveDialogStartsInTheNearestFolderAndAsksBeforeReplacing) {
    TempPrefix prefix;
    prefix.Write("UT2004/System/UT2004.ini", "");
    QString folder;
    bool save = false, asks = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        folder = dialog->directory().absolutePath();
        save = dialog->acceptMode() == QFileDialog::AcceptSave;
        asks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    EXPECT_EQ(
        platform::ShowSaveDialog("Texture files (*.utx)|*.utx", "txt", "C:\\UT2004\\Textures\\",
                                 platform::kOfnOverwritePrompt, nullptr),
        "");
    EXPECT_EQ(folder, QDir(QString::fromStdString(prefix.DriveC() + "/UT2004")).absolutePath());
    EXPECT_TRUE(save);
    EXPECT_TRUE(asks);
}

// The real dialog, answered from a timer: it opens on the start folder, its status line shows
// that folder, and choosing gives the folder as a Windows path; cancelling gives "".
TEST(FolderBrowser, RealDialogOpensOnTheStartFolder) {
    TempPrefix prefix;
    prefix.Write("Kestrane/Profiles/Default/User.ini", "");
    for (const bool accept : {true, false}) {
        QString status;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->text().startsWith("C:\\")) status = label->text();
            }
            accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        });
        const std::string chosen = platform::BrowseForFolder(nullptr, "Select A Profile to Load",
                                                             "C:\\Kestrane\\Profiles");
        EXPECT_EQ(title, "Select A Profile to Load");
        EXPECT_EQ(status, "C:\\Kestrane\\Profiles");
        EXPECT_EQ(chosen, accept ? "C:\\Kestrane\\Profiles" : "");
    }
}

}  // namespace
