// The Cache Manager as a player uses it: highlight a package, press Export, "Save to..." or
// "Delete File", tick the delete switch, change the purge days; on the real cache.ini and on
// a large one with odd lines.
#include "editor/windows/tools/cache_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "platform/base/ansi.h"
#include "platform/dialogs.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"
#include "tests/windows/cache_fixture.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::CacheWindowTest;
using test::kUt2004;
using test::WithoutLine;

std::string RealCacheIni() {
    const auto root = test::RealFixturesFolder();
    if (!root) return {};
    return test::ReadHostFile(*root + "/GrantSorenson__LumpysInvasionServer-1.0/Cache/cache.ini");
}

TEST_F(CacheWindowTest, RealCacheListsExportsDeletesAndKeepsTheOtherBytes) {
    const std::string real = RealCacheIni();
    if (real.empty()) GTEST_SKIP() << "real fixtures absent";
    Payload("FAB1A7CB48F6C4933464C9AAF2D8339F-1", "map bytes");
    Payload("1470099142EA7A4DAE514D8F251CA9B2-1", "pm2");
    frmCache_Edit& w = Open(real);
    EXPECT_EQ(w.windowTitle(), "Kestrane INI - Cache Files");
    EXPECT_EQ(ListSizes(w), (std::vector<int>{32, 6, 8, 0, 1, 5, 3, 0}));
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 55 Files In Cache");
    EXPECT_EQ(w.CacheList(1)->item(0)->text(), "DM-sHoK-Saloon2k4-V.ut2");  // file order
    EXPECT_EQ(platform::ToAnsi(w.findChild<QLineEdit*>("tbx_PurgeCache")->text()), "30");

    Highlight(w, 1, "DM-sHoK-Saloon2k4-V.ut2");
    Press(w, "b_Export");
    EXPECT_EQ(prefix->Read("UT2004/Maps/DM-sHoK-Saloon2k4-V.ut2"), "map bytes");
    EXPECT_EQ(Label(w, "Label1_0"),
              "DM-sHoK-Saloon2k4-V.ut2 was copied to C:\\UT2004\\Maps\\DM-sHoK-Saloon2k4-V.ut2.");
    EXPECT_TRUE(w.CacheList(1)->selectedItems().isEmpty());  // the list lost its highlight
    EXPECT_EQ(CacheIniOnDisk(), real);                       // unticked: the cache stays
    EXPECT_TRUE(Exists("UT2004/Cache/FAB1A7CB48F6C4933464C9AAF2D8339F-1.uxx"));

    Highlight(w, 0, "PM2.u");
    Press(w, "b_CacheDelete");
    EXPECT_FALSE(Exists("UT2004/Cache/1470099142EA7A4DAE514D8F251CA9B2-1.uxx"));
    EXPECT_EQ(CacheIniOnDisk(), WithoutLine(real, "1470099142EA7A4DAE514D8F251CA9B2-1=PM2.u\n"));
    EXPECT_EQ(w.CacheList(0)->count(), 31);
    EXPECT_TRUE(w.CacheList(0)->selectedItems().isEmpty());
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 54 Files In Cache");

    // A second press finds no highlighted item and does nothing.
    Press(w, "b_CacheDelete");
    Press(w, "b_Export");
    EXPECT_EQ(w.CacheList(0)->count(), 31);
    EXPECT_TRUE(responder->Messages().empty());
}

TEST_F(CacheWindowTest, PurgeDaysReachTheStoreAndOnlyTheNextSaveWritesThem) {
    struct Case {
        const char* name;
        const char* ut;
        const char* typed;  // nullptr: the box is left alone
        const char* saved;  // UT2004.ini after File > Save
    };
    const Case cases[] = {
        {"changed", kUt2004, "7",
         "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n[Core.System]\r\n"
         "PurgeCacheDays=7\r\nSavePath=../Save\r\n\r\n[Engine.GameEngine]\r\nCacheSizeMegs=32"},
        {"missing key is added in its section",
         "[Core.System]\r\nSavePath=../Save\r\n\r\n[Engine.GameEngine]\r\nCacheSizeMegs=32", "14",
         "[Core.System]\r\nSavePath=../Save\r\nPurgeCacheDays=14\r\n\r\n[Engine.GameEngine]\r\n"
         "CacheSizeMegs=32"},
        {"missing key left alone adds nothing",
         "[Core.System]\r\nSavePath=../Save\r\n\r\n[Engine.GameEngine]\r\nCacheSizeMegs=32",
         nullptr,
         "[Core.System]\r\nSavePath=../Save\r\n\r\n[Engine.GameEngine]\r\nCacheSizeMegs=32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        frmCache_Edit& w = Open("[Cache]\r\n", c.ut);
        auto* days = w.findChild<QLineEdit*>("tbx_PurgeCache");
        if (c.typed) {
            days->selectAll();
            QTest::keyClicks(days, c.typed);
        }
        Press(w, "b_Cache_OK");
        QApplication::processEvents();
        EXPECT_EQ(MainWindow().findChild<frmCache_Edit*>("frmCache_Edit"), nullptr);
        EXPECT_EQ(SystemFile("UT2004.ini"), c.ut);  // not written by the window
        Trigger("frmFileSave");
        EXPECT_EQ(SystemFile("UT2004.ini"), c.saved);
    }
}

TEST_F(CacheWindowTest, ExportAsksBeforeOverwritingAndDeletesOnlyAfterACopy) {
    const std::string ini = "[Cache]\r\nA-1=Map.ut2\r\nB-1=Gone.u\r\n";
    Payload("A-1", "new");
    prefix->Write("UT2004/Maps/Map.ut2", "old");
    frmCache_Edit& w = Open(ini, kUt2004, "Music=OFF\r\nProfileName=\r\nCacheDelete=True\r\n");
    EXPECT_TRUE(w.findChild<QCheckBox*>("cbx_DeleteCacheFile")->isChecked());

    responder->AnswerMessage(platform::MsgAnswer::No);
    Highlight(w, 1, "Map.ut2");
    Press(w, "b_Export");
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"File Already Exist! Do You Want to Overwrite File?"}));
    EXPECT_EQ(responder->Messages()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(prefix->Read("UT2004/Maps/Map.ut2"), "old");
    EXPECT_EQ(CacheIniOnDisk(), ini);
    EXPECT_TRUE(Exists("UT2004/Cache/A-1.uxx"));

    // A payload that is gone: the copy fails, is reported by path, and nothing is removed.
    Highlight(w, 0, "Gone.u");
    Press(w, "b_Export");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1],
              "Could not copy C:\\UT2004\\Cache\\B-1.uxx to "
              "C:\\UT2004\\System\\Gone.u: the cached file does not exist.");
    EXPECT_EQ(w.CacheList(0)->count(), 1);

    responder->AnswerMessage(platform::MsgAnswer::Yes);
    Highlight(w, 1, "Map.ut2");
    Press(w, "b_Export");
    EXPECT_EQ(prefix->Read("UT2004/Maps/Map.ut2"), "new");
    EXPECT_EQ(Label(w, "Label1_0"),
              "Map.ut2 was copied to C:\\UT2004\\Maps\\Map.ut2 and removed from the cache.");
    EXPECT_FALSE(Exists("UT2004/Cache/A-1.uxx"));
    EXPECT_EQ(CacheIniOnDisk(), "[Cache]\r\nB-1=Gone.u\r\n");
    EXPECT_EQ(w.CacheList(1)->count(), 0);
}

// A copy cut short by a full disk or a failing write: the system's reason is told, and the
// package, its entry and cache.ini stay, with no part of the copy in the target folder.
TEST_F(CacheWindowTest, AFailedCopyKeepsThePackageAndSaysWhy) {
    const std::string ini = "[Cache]\r\nA-1=Map.ut2\r\n";
    for (const test::DiskFailure& c : test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        TearDown();
        SetUp();
        const std::string package(c.size, 'p');
        Payload("A-1", package);
        frmCache_Edit& w = Open(ini, kUt2004, "Music=OFF\r\nProfileName=\r\nCacheDelete=True\r\n");
        test::FailingWrites failing(c.step, c.error);
        Highlight(w, 1, "Map.ut2");
        Press(w, "b_Export");
        EXPECT_EQ(Messages(),
                  (std::vector<std::string>{"Could not copy C:\\UT2004\\Cache\\A-1.uxx to "
                                            "C:\\UT2004\\Maps\\Map.ut2: " +
                                            std::string(c.reason) +
                                            ". The cached file stays in the cache."}));
        EXPECT_EQ(test::FolderEntries(prefix->GameFolder() + "/Maps"), std::vector<std::string>{});
        EXPECT_EQ(prefix->Read("UT2004/Cache/A-1.uxx"), package);
        EXPECT_EQ(CacheIniOnDisk(), ini);
        EXPECT_EQ(w.CacheList(1)->count(), 1);
    }
}

TEST_F(CacheWindowTest, SaveToCopiesWhereThePlayerChose) {
    Payload("A-1", "tex");
    frmCache_Edit& w = Open("[Cache]\r\nA-1=Tex.utx\r\n");
    prefix->Write("Out/Mine.utx", "old");
    responder->AnswerFileDialog("C:\\Out\\Mine.utx");
    responder->AnswerFileDialog("");  // the second time the player cancels
    Highlight(w, 2, "Tex.utx");
    Press(w, "b_Export_To");
    ASSERT_EQ(responder->AskedDialogs().size(), 1u);
    const auto& asked = responder->AskedDialogs()[0];
    // A save dialog that asks before replacing a file; answered, the player said yes.
    EXPECT_EQ(asked.caption, "Save As");
    EXPECT_EQ(asked.flags, platform::kOfnOverwritePrompt);
    EXPECT_EQ(asked.filter, "Texture files (*.utx)|*.utx|All files (*.*)|*.*");
    EXPECT_EQ(asked.defaultExtension, "txt");
    EXPECT_EQ(asked.initialFolder, "C:\\UT2004\\Textures\\");
    EXPECT_EQ(prefix->Read("Out/Mine.utx"), "tex");
    EXPECT_EQ(Label(w, "Label1_0"), "Tex.utx was copied to C:\\Out\\Mine.utx.");
    EXPECT_TRUE(responder->Messages().empty());

    Highlight(w, 2, "Tex.utx");
    Press(w, "b_Export_To");
    Press(w, "b_Export");  // the cancelled dialog cleared the highlighted entry
    EXPECT_FALSE(Exists("UT2004/Textures/Tex.utx"));
    EXPECT_TRUE(responder->Messages().empty());
}

TEST_F(CacheWindowTest, HighlightCountsOnlyWhileItsListHasTheFocus) {
    Payload("A-1");
    Payload("B-1");
    Payload("C-1");
    frmCache_Edit& w = Open("[Cache]\r\nA-1=Same.u\r\nB-1=Other.ut2\r\nC-1=Same.u\r\n");
    Highlight(w, 0, "Same.u");
    w.CacheList(3)->setFocus(Qt::MouseFocusReason);  // another list, nothing chosen in it
    QApplication::processEvents();
    Press(w, "b_CacheDelete");
    EXPECT_EQ(w.CacheList(0)->count(), 2);

    // Two equal names: the lower item is highlighted, the first line of cache.ini goes.
    Highlight(w, 0, "Same.u");
    Press(w, "b_CacheDelete");
    EXPECT_FALSE(Exists("UT2004/Cache/A-1.uxx"));
    EXPECT_TRUE(Exists("UT2004/Cache/C-1.uxx"));
    EXPECT_EQ(CacheIniOnDisk(), "[Cache]\r\nB-1=Other.ut2\r\nC-1=Same.u\r\n");
    EXPECT_EQ(w.CacheList(0)->count(), 1);
}

TEST_F(CacheWindowTest, NamesFromCacheIniNeverReachOutsideTheirFolders) {
    prefix->Write("UT2004/System/Victim.uxx", "keep");
    Payload("A-1", "evil");
    const std::string ini = "[Cache]\r\nA-1=..\\..\\Evil.u\r\n..\\System\\Victim=Ok.u\r\n";
    frmCache_Edit& w = Open(ini, kUt2004, "Music=OFF\r\nProfileName=\r\nCacheDelete=True\r\n");
    Highlight(w, 0, "..\\..\\Evil.u");
    Press(w, "b_Export");
    EXPECT_FALSE(Exists("Evil.u"));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "\"..\\..\\Evil.u\" in cache.ini is not a file name: nothing was "
                              "exported."}));
    EXPECT_EQ(CacheIniOnDisk(), ini);

    Highlight(w, 0, "Ok.u");
    Press(w, "b_CacheDelete");
    EXPECT_EQ(prefix->Read("UT2004/System/Victim.uxx"), "keep");
    EXPECT_EQ(CacheIniOnDisk(), "[Cache]\r\nA-1=..\\..\\Evil.u\r\n");
}

TEST_F(CacheWindowTest, MissingCacheSaysSoAndTheSwitchesStillWork) {
    struct Case {
        const char* name;
        bool folder;
        bool iniIsFolder;
        const char* says;
    };
    const Case cases[] = {
        {"no cache.ini", true, false,
         "C:\\UT2004\\Cache\\cache.ini does not exist: nothing is cached."},
        {"no Cache folder", false, false,
         "The game's cache folder C:\\UT2004\\Cache\\ does not exist: nothing is cached."},
        {"cache.ini a folder", true, true,
         "C:\\UT2004\\Cache\\cache.ini is a folder, not a file: nothing is cached."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (!c.folder)
            QDir(QString::fromStdString(prefix->GameFolder() + "/Cache")).removeRecursively();
        if (c.iniIsFolder)
            QDir().mkpath(QString::fromStdString(prefix->GameFolder() + "/Cache/cache.ini"));
        frmCache_Edit& w = Open("", kUt2004, "Music=OFF\r\nProfileName=\r\nCacheDelete=False");
        EXPECT_EQ(Label(w, "Label1_0"), c.says);
        EXPECT_EQ(Label(w, "lbl_NumInCache"), " 0 Files In Cache");
        Press(w, "b_Export");
        Press(w, "b_CacheDelete");
        Press(w, "cbx_DeleteCacheFile");
        EXPECT_EQ(ProgramFile("Kestrane.ini"), "Music=OFF\r\nProfileName=\r\nCacheDelete=True");
        EXPECT_TRUE(responder->Messages().empty());
    }
}

TEST_F(CacheWindowTest, CacheDeleteSwitchReadsOddValuesAsFalseAndWritesThePlayersChoice) {
    struct Case {
        const char* name;
        const char* before;
        const char* after;  // once the player ticks the box
    };
    const Case cases[] = {
        {"not a Boolean", "Music=OFF\r\nCacheDelete=maybe\r\nProfileName=",
         "Music=OFF\r\nCacheDelete=True\r\nProfileName="},
        {"missing", "Music=OFF\r\nProfileName=", "Music=OFF\r\nProfileName=\r\nCacheDelete=True"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        frmCache_Edit& w = Open("[Cache]\r\n", kUt2004, c.before);
        auto* box = w.findChild<QCheckBox*>("cbx_DeleteCacheFile");
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(ProgramFile("Kestrane.ini"), c.before);  // opening writes nothing
        Press(w, "cbx_DeleteCacheFile");
        EXPECT_EQ(ProgramFile("Kestrane.ini"), c.after);
    }
}

TEST_F(CacheWindowTest, TenThousandEntriesWithOddLinesKeepEveryLineOnRewrite) {
    std::string ini = "; cache of a busy server\r\n[Cache]\r\n";
    for (int i = 0; i < 10000; ++i) {
        const char* types[] = {"u", "ut2", "utx", "ogg", "uax", "usx", "ukx", "ka", "int", "UT2"};
        ini += "G" + std::to_string(i) + "=Pkg" + std::to_string(i) + "." + types[i % 10];
        ini += i % 3 == 0 ? "\n" : "\r\n";
        if (i % 1000 == 7) ini += "not an entry\r\n\r\n[Second]\r\n";
    }
    Payload("G5011");
    frmCache_Edit& w = Open(ini);
    EXPECT_EQ(ListSizes(w), (std::vector<int>{2000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 10000 Files In Cache");
    Highlight(w, 1, "Pkg5011.ut2");
    Press(w, "b_CacheDelete");
    EXPECT_FALSE(Exists("UT2004/Cache/G5011.uxx"));
    // Compared whole, without printing ten thousand lines on a failure.
    EXPECT_TRUE(CacheIniOnDisk() == WithoutLine(ini, "G5011=Pkg5011.ut2\r\n"));
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 9999 Files In Cache");
}

}  // namespace
}  // namespace kestrane
