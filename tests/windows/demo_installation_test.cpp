// The demo installation that ./run.sh starts on when no Wine prefix holds the game: laid out by
// scripts/demo_install.sh, its files must meet the editor as a real game's do, and every window
// must have something to show.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include "editor/instant_action/action_settings.h"
#include "editor/instant_action/option_rows.h"
#include "editor/store/program_state.h"
#include "editor/widgets/elided_label.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tools/cache_window.h"
#include "editor/windows/tools/instant_action_window.h"
#include "platform/base/paths.h"
#include "tests/support/round_trip.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

constexpr const char* kWithProfile = "Music=OFF\r\nProfileName=Player\r\nCacheDelete=False\r\n";

// Runs the install script into `prefix`; the script's own messages on failure.
std::string RunInstall(const QString& prefix) {
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start("bash",
              {QString::fromStdString(SourceFolder() + "/scripts/demo_install.sh"), prefix});
    // However long a busy machine takes; a script that never ends meets the test's time-out.
    if (!run.waitForFinished(-1)) return "demo_install.sh could not be run";
    if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
        return "demo_install.sh failed: " + run.readAll().toStdString();
    }
    return {};
}

class DemoInstallation : public EditorTest {
  protected:
    static void SetUpTestSuite() {
        laidOut_ = new QTemporaryDir;
        failure_ = new std::string(RunInstall(laidOut_->path()));
    }
    static void TearDownTestSuite() {
        delete laidOut_;
        delete failure_;
    }

    // The test's game folder holds the demo's: every file, as the script wrote it.
    void SetUp() override {
        EditorTest::SetUp();
        ASSERT_EQ(*failure_, "");
        const QString from = DemoGameFolder();
        QDirIterator folders(from, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (folders.hasNext()) {
            QDir().mkpath(QString::fromStdString(prefix->GameFolder()) + "/" +
                          QDir(from).relativeFilePath(folders.next()));
        }
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            prefix->Write("UT2004/" + QDir(from).relativeFilePath(file).toStdString(),
                          ReadHostFile(file.toStdString()));
        }
    }

    static QString DemoGameFolder() { return laidOut_->path() + "/drive_c/UT2004 Demo"; }
    static std::string DemoFile(const std::string& rel) {
        return ReadHostFile(DemoGameFolder().toStdString() + "/" + rel);
    }

    static QTemporaryDir* laidOut_;
    static std::string* failure_;
};

QTemporaryDir* DemoInstallation::laidOut_ = nullptr;
std::string* DemoInstallation::failure_ = nullptr;

TEST_F(DemoInstallation, AStartWithAProfileAndASaveKeepEveryByte) {
    prefix->Write("Kestrane/Kestrane.ini", kWithProfile);
    ASSERT_TRUE(Start());
    Trigger("frmFileSave");
    for (const char* name : {"User.ini", "UT2004.ini"}) {
        SCOPED_TRACE(name);
        const std::string laid = DemoFile(std::string("System/") + name);
        EXPECT_EQ(SystemFile(name), laid);
        EXPECT_EQ(ProgramFile(std::string("Profiles/Player/") + name), laid);
    }
}

TEST_F(DemoInstallation, EverySettingOfTheTabsHasItsLine) {
    prefix->Write("Kestrane/Kestrane.ini", kWithProfile);
    ASSERT_TRUE(Start());
    MainWindow().BuildEveryPage();
    std::string greyed;
    for (QWidget* w : MainWindow().findChildren<QWidget*>()) {
        if (!w->isEnabled() && w->toolTip().startsWith("Not in")) {
            greyed += w->objectName().toStdString() + ": " + w->toolTip().toStdString() + "\n";
        }
    }
    EXPECT_EQ(greyed, "");
}

TEST_F(DemoInstallation, InstantActionListsMapsOfEveryGameTypeAndMutators) {
    prefix->Write("Kestrane/Kestrane.ini", kWithProfile);
    ASSERT_TRUE(Start());
    for (const OptionRow& row : OptionRowTable()) {
        EXPECT_TRUE(OptionLine(State().ut2004, row).has_value())
            << OptionFrameTable()[static_cast<size_t>(row.frame)].section << " " << row.key;
    }
    Trigger("mnuInstantActionSettings");
    auto* w = MainWindow().findChild<frmInstantAction*>();
    ASSERT_NE(w, nullptr);
    for (const char* type : {"Assault", "OnSlaught", "DeathMatch", "Capture the Flag",
                             "Double Domination", "Bombing Run"}) {
        w->LoadMaplist(type);
        EXPECT_GE(w->ListBox_Maps()->count(), 2) << type;
    }
    ASSERT_GE(w->ListBox_Mutators()->count(), 3);
    for (int i = 0; i < w->ListBox_Mutators()->count(); ++i) {
        w->ListBox_Mutators()->setCurrentRow(i);
        w->ListBox_Mutators_Click();
        EXPECT_FALSE(w->ListBox_Mutators()->item(i)->text().isEmpty()) << i;
        EXPECT_GT(w->lbl_MutDesc()->text().size(), 10) << i;
    }
}

TEST_F(DemoInstallation, TheCacheManagerListsAPackageOfEveryType) {
    ASSERT_TRUE(Start());
    Trigger("mnuCacheEdit");
    auto* w = MainWindow().findChild<frmCache_Edit*>();
    ASSERT_NE(w, nullptr);
    for (int list = 0; list < 8; ++list) EXPECT_GE(w->CacheList(list)->count(), 1) << list;
    // Each listed package has its payload, so Export has a file to copy.
    const std::string cacheIni = DemoFile("Cache/cache.ini");
    for (const std::string& line : LinesWithEnds(cacheIni)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        EXPECT_TRUE(QFileInfo::exists(
            QString::fromStdString(prefix->GameFolder() + "/Cache/" + line.substr(0, eq) + ".uxx")))
            << line;
    }
    // Export of each package reaches its type's folder.
    for (int list = 0; list < 8; ++list) {
        for (int item = 0; item < w->CacheList(list)->count(); ++item) {
            w->CacheList(list)->setCurrentRow(item);
            w->CacheList_LostFocus(list);
            w->b_Export_Click();
        }
    }
    EXPECT_TRUE(responder->Messages().empty());
    for (const char* rel : {"System/KestraneDemoWeapons.u", "System/KestraneDemoWeapons.int",
                            "Maps/DM-CachedArena.ut2", "Textures/KestraneDemoSkins.utx",
                            "Music/KestraneDemoTheme.ogg", "Sounds/KestraneDemoSounds.uax",
                            "StaticMeshes/KestraneDemoProps.usx", "Animations/KestraneDemoCrew.ukx",
                            "KarmaData/KestraneDemoRagdolls.ka"}) {
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(prefix->GameFolder() + "/" + rel)))
            << rel;
    }
}

TEST_F(DemoInstallation, PlayFindsTheGameProgram) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(
        QFileInfo(QString::fromStdString(platform::ToHostPath(State().gameExePath))).isFile())
        << State().gameExePath;
}

// The install script on a demo folder that an earlier run, or an older script, laid out.
class DemoUpdate : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        fresh_ = new QTemporaryDir;
        ASSERT_EQ(RunInstall(fresh_->path()), "");
    }
    static void TearDownTestSuite() { delete fresh_; }

    std::string Game(const QTemporaryDir& prefix, const std::string& rel) const {
        return ReadHostFile(prefix.path().toStdString() + "/drive_c/UT2004 Demo/" + rel);
    }
    std::string Fresh(const std::string& rel) const { return Game(*fresh_, rel); }

    // What the script before this one left: the Default profile's two files and an empty
    // cache, no sums.
    void LayOutOlderDemo() {
        const QString game = older_.path() + "/drive_c/UT2004 Demo";
        for (const char* sub : {"/System", "/Cache", "/Maps"}) QDir().mkpath(game + sub);
        for (const char* name : {"User.ini", "UT2004.ini"}) {
            WriteHostFile(game.toStdString() + "/System/" + name,
                          ReadHostFile(SourceFolder() + "/editor/dist/Profiles/Default/" + name));
        }
        WriteHostFile(game.toStdString() + "/Cache/cache.ini", "[Cache]\r\n");
    }

    static QTemporaryDir* fresh_;
    QTemporaryDir older_;
};

QTemporaryDir* DemoUpdate::fresh_ = nullptr;

TEST_F(DemoUpdate, AnOlderDemoWithoutEditsIsRemade) {
    LayOutOlderDemo();
    ASSERT_EQ(RunInstall(older_.path()), "");
    for (const char* rel : {"System/User.ini", "System/UT2004.ini", "System/CacheRecords.ucl",
                            "System/UT2004.exe", "Cache/cache.ini", "Maps/DM-Gantry.ut2"}) {
        EXPECT_EQ(Game(older_, rel), Fresh(rel)) << rel;
    }
}

TEST_F(DemoUpdate, AnEditedFileKeepsItsLinesAndGainsOnlyTheSectionsItLacks) {
    LayOutOlderDemo();
    const std::string path = older_.path().toStdString() + "/drive_c/UT2004 Demo/System/User.ini";
    std::string edited = ReadHostFile(path);
    const size_t name = edited.find("\nName=");
    ASSERT_NE(name, std::string::npos);
    edited.insert(name + 6, "Edited");
    WriteHostFile(path, edited);

    ASSERT_EQ(RunInstall(older_.path()), "");
    const std::string now = Game(older_, "System/User.ini");
    ASSERT_EQ(now.substr(0, edited.size()), edited);
    const std::string added = now.substr(edited.size());
    EXPECT_TRUE(added.starts_with("\r\n[")) << added.substr(0, 40);
    for (const std::string& line : LinesWithEnds(added)) {
        if (!line.starts_with("[")) continue;
        EXPECT_EQ(edited.find("\n" + line), std::string::npos) << "added again: " << line;
        EXPECT_NE(Fresh("System/User.ini").find(line), std::string::npos) << line;
    }
    // The untouched UT2004.ini is remade; a second run leaves the edited file as it is.
    EXPECT_EQ(Game(older_, "System/UT2004.ini"), Fresh("System/UT2004.ini"));
    ASSERT_EQ(RunInstall(older_.path()), "");
    EXPECT_EQ(Game(older_, "System/User.ini"), now);
}

TEST_F(DemoUpdate, ARunOverTheDemoLeavesThePlayersChangesAlone) {
    QTemporaryDir demo;
    ASSERT_EQ(RunInstall(demo.path()), "");
    const std::string ut = demo.path().toStdString() + "/drive_c/UT2004 Demo/System/UT2004.ini";
    const std::string cache = demo.path().toStdString() + "/drive_c/UT2004 Demo/Cache/cache.ini";
    const std::string changed = Fresh("System/UT2004.ini") + "[Kestrane.Trial]\r\nSeen=1\r\n";
    WriteHostFile(ut, changed);
    // The Cache Manager deleted a package: its line and file are gone.
    std::string cacheIni = Fresh("Cache/cache.ini");
    const size_t first = cacheIni.find("\r\n") + 2;
    const std::string removed = cacheIni.substr(first, cacheIni.find("\r\n", first) + 2 - first);
    cacheIni.erase(first, removed.size());
    WriteHostFile(cache, cacheIni);
    const QString payload = demo.path() + "/drive_c/UT2004 Demo/Cache/" +
                            QString::fromStdString(removed.substr(0, removed.find('='))) + ".uxx";
    ASSERT_TRUE(QFile::remove(payload));

    ASSERT_EQ(RunInstall(demo.path()), "");
    EXPECT_EQ(ReadHostFile(ut), changed);
    EXPECT_EQ(ReadHostFile(cache), cacheIni);
    EXPECT_FALSE(QFileInfo::exists(payload));
}

}  // namespace
}  // namespace kestrane::test
