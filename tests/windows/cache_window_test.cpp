// The Cache Manager as a player uses it: highlight a package, press Export, "Save to..." or
// "Delete File", tick the delete switch, change the purge days; on the real cache.ini and on
// a large one with odd lines.
#include "editor/windows/tools/cache_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <numeric>

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
    frmCache_Edit& w = Open("[Cache]\r\nA-1=Same.u\r\nB-1=Other.ut2\r\n");
    Highlight(w, 0, "Same.u");
    w.CacheList(3)->setFocus(Qt::MouseFocusReason);  // another list, nothing chosen in it
    QApplication::processEvents();
    Press(w, "b_CacheDelete");
    EXPECT_EQ(w.CacheList(0)->count(), 1);
    EXPECT_TRUE(Exists("UT2004/Cache/A-1.uxx"));
}

// One name in two versions (downloads from two servers): each button acts on the line the
// player highlighted, with its own GUID, whichever of the two it is.
TEST_F(CacheWindowTest, EveryButtonActsOnTheHighlightedLineOfTwoWithOneName) {
    const std::string ini = "[Cache]\r\nA-1=Dup.utx\r\nB-1=Other.ut2\r\nC-1=Dup.utx\r\n";
    Payload("A-1", "upper");
    Payload("B-1");
    Payload("C-1", "lower");
    Folder("UT2004/Textures");
    frmCache_Edit& w = Open(ini);
    Highlight(w, 2, "Dup.utx");  // the lower one
    Press(w, "b_Export");
    EXPECT_EQ(prefix->Read("UT2004/Textures/Dup.utx"), "lower");

    Folder("Out");
    responder->AnswerFileDialog("C:\\Out\\Dup.utx");
    Highlight(w, 2, "Dup.utx", /*upper=*/true);
    Press(w, "b_Export_To");
    EXPECT_EQ(prefix->Read("Out/Dup.utx"), "upper");

    Highlight(w, 2, "Dup.utx");
    Press(w, "b_CacheDelete");
    EXPECT_FALSE(Exists("UT2004/Cache/C-1.uxx"));
    EXPECT_EQ(prefix->Read("UT2004/Cache/A-1.uxx"), "upper");
    EXPECT_EQ(CacheIniOnDisk(), "[Cache]\r\nA-1=Dup.utx\r\nB-1=Other.ut2\r\n");
    ASSERT_EQ(w.CacheList(2)->count(), 1);
    EXPECT_EQ(w.RowOf(2, 0), 1u);  // the upper line stays listed

    // With the delete switch ticked, an export removes the line it copied from.
    Press(w, "cbx_DeleteCacheFile");
    Highlight(w, 1, "Other.ut2");
    Press(w, "b_Export");
    EXPECT_EQ(CacheIniOnDisk(), "[Cache]\r\nA-1=Dup.utx\r\n");
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 1 File In Cache");
    EXPECT_TRUE(responder->Messages().empty());
}

// One GUID under two names: the package two entries share goes only when the player, told
// which other entry names it, says so; the GUIDs match as the host matches the file names.
TEST_F(CacheWindowTest, APackageAnotherEntryNamesGoesOnlyWhenThePlayerSaysSo) {
    const std::string ini = "[Cache]\r\nG-1=One.utx\r\nX-1=Keep.u\r\ng-1=Two.utx\r\n";
    struct Case {
        platform::MsgAnswer answer;
        const char* cacheIni;  // after the delete
        bool packageStays;
        std::vector<int> listed;
    };
    const Case cases[] = {
        {platform::MsgAnswer::No,
         "[Cache]\r\nG-1=One.utx\r\nX-1=Keep.u\r\n",
         true,
         {1, 0, 1, 0, 0, 0, 0, 0}},
        {platform::MsgAnswer::Yes, "[Cache]\r\nX-1=Keep.u\r\n", false, {1, 0, 0, 0, 0, 0, 0, 0}},
        {platform::MsgAnswer::Cancel, ini.c_str(), true, {1, 0, 2, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        TearDown();
        SetUp();
        Payload("G-1", "shared");
        frmCache_Edit& w = Open(ini);
        responder->AnswerMessage(c.answer);
        Highlight(w, 2, "Two.utx");
        Press(w, "b_CacheDelete");
        ASSERT_EQ(responder->Messages().size(), 1u);
        const platform::ShownMessage& asked = responder->Messages()[0];
        EXPECT_EQ(asked.text,
                  "C:\\UT2004\\Cache\\g-1.uxx is the package of Two.utx, and One.utx names it "
                  "too.\n\nDelete the file, and the entry of One.utx with it?\nYes: the file and "
                  "every entry naming it go.\nNo: only the entry of Two.utx goes; the file "
                  "stays.\nCancel: nothing changes.");
        EXPECT_EQ(asked.buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(asked.icon, platform::MsgIcon::Question);
        EXPECT_EQ(CacheIniOnDisk(), c.cacheIni);
        EXPECT_EQ(Exists("UT2004/Cache/G-1.uxx"), c.packageStays);
        EXPECT_EQ(ListSizes(w), c.listed);
    }
}

// GUIDs differing only in case with a file each on the host are two packages: the question
// before removing one names only the entries of its own file, Yes leaves the other file with
// its entry, and Delete File on the other asks nothing.
TEST_F(CacheWindowTest, CaseTwinGuidsWithTwoFilesAreTwoPackages) {
    const std::string upper = "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC-1";
    const std::string lower = "cccccccccccccccccccccccccccccccc-1";
    const std::string shared = upper + "=Shared.u\r\n";
    const std::string alias = upper + "=Alias.u\r\n";
    const std::string lowerLine = lower + "=Lower.u\r\n";
    const std::string ini = "[Cache]\r\n" + shared + alias + lowerLine;
    struct Case {
        platform::MsgAnswer answer;
        std::string cacheIni;  // after the export
        bool upperStays;
        int listed;
    };
    const Case cases[] = {
        {platform::MsgAnswer::Yes, "[Cache]\r\n" + lowerLine, false, 1},
        {platform::MsgAnswer::No, "[Cache]\r\n" + alias + lowerLine, true, 2},
        {platform::MsgAnswer::Cancel, ini, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        TearDown();
        SetUp();
        Payload(upper, "upper");
        Payload(lower, "lower");
        frmCache_Edit& w = Open(ini, kUt2004, "Music=OFF\r\nProfileName=\r\nCacheDelete=True\r\n");
        responder->AnswerMessage(c.answer);
        Highlight(w, 0, "Shared.u");
        Press(w, "b_Export");
        EXPECT_EQ(prefix->Read("UT2004/System/Shared.u"), "upper");
        ASSERT_EQ(responder->Messages().size(), 1u);
        const platform::ShownMessage& asked = responder->Messages()[0];
        EXPECT_EQ(asked.text.substr(0, asked.text.find("\n\n")),
                  "C:\\UT2004\\Cache\\" + upper +
                      ".uxx is the package of Shared.u, and Alias.u names it too.");
        EXPECT_EQ(asked.text.find("Lower.u"), std::string::npos);
        EXPECT_EQ(asked.defaultAnswer, platform::MsgAnswer::Cancel);
        EXPECT_EQ(CacheIniOnDisk(), c.cacheIni);
        EXPECT_EQ(Exists("UT2004/Cache/" + upper + ".uxx"), c.upperStays);
        EXPECT_EQ(prefix->Read("UT2004/Cache/" + lower + ".uxx"), "lower");
        EXPECT_EQ(w.CacheList(0)->count(), c.listed);

        Highlight(w, 0, "Lower.u");
        Press(w, "b_CacheDelete");
        EXPECT_EQ(responder->Messages().size(), 1u);  // its file is its own
        EXPECT_FALSE(Exists("UT2004/Cache/" + lower + ".uxx"));
        EXPECT_EQ(Exists("UT2004/Cache/" + upper + ".uxx"), c.upperStays);
        EXPECT_EQ(CacheIniOnDisk(), WithoutLine(c.cacheIni, lowerLine));
    }
}

// The question's default button deletes nothing: Enter, or a key left over from an earlier
// dialog, on a real box keeps the file and every entry.
TEST_F(CacheWindowTest, EnterOnTheSharedPackageQuestionDeletesNothing) {
    const std::string ini = "[Cache]\r\nG-1=One.utx\r\ng-1=Two.utx\r\n";
    Payload("G-1", "shared");
    frmCache_Edit& w = Open(ini);
    responder.reset();  // real boxes from here on
    int boxes = 0;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            defaultButton = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    poll.start(20);
    Highlight(w, 2, "Two.utx");
    Press(w, "b_CacheDelete");
    poll.stop();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(prefix->Read("UT2004/Cache/G-1.uxx"), "shared");
    EXPECT_EQ(CacheIniOnDisk(), ini);
    EXPECT_EQ(w.CacheList(2)->count(), 2);
}

// The line under the lists keeps its room whether it is empty, short or longer than the
// window: the lists never move under the pointer, and a long text is whole in its tip.
TEST_F(CacheWindowTest, TheListsStayPutWhenTheStatusLineChanges) {
    const std::string longName = std::string(240, 'L') + ".utx";
    Payload("A-1");
    Payload("B-1");
    Folder("UT2004/Textures");
    frmCache_Edit& w = Open("[Cache]\r\nA-1=Map.ut2\r\nB-1=" + longName + "\r\n");
    QApplication::processEvents();
    auto place = [&] {
        std::vector<QRect> rects{w.geometry()};
        for (int i = 0; i < 8; ++i) rects.push_back(w.CacheList(i)->geometry());
        return rects;
    };
    const std::vector<QRect> before = place();
    auto* status = w.findChild<QLabel*>("Label1_0");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(Label(w, "Label1_0"), "");

    Highlight(w, 1, "Map.ut2");
    Press(w, "b_Export");
    QApplication::processEvents();
    EXPECT_EQ(Label(w, "Label1_0"), "Map.ut2 was copied to C:\\UT2004\\Maps\\Map.ut2.");
    EXPECT_EQ(place(), before);

    Highlight(w, 2, longName);
    Press(w, "b_Export");
    QApplication::processEvents();
    const std::string said = longName + " was copied to C:\\UT2004\\Textures\\" + longName + ".";
    EXPECT_EQ(Label(w, "Label1_0"), said);
    EXPECT_EQ(platform::ToAnsi(status->toolTip()), said);
    EXPECT_TRUE(status->isVisible());
    EXPECT_LE(status->sizeHint().height(), status->fontMetrics().height() + 2);
    EXPECT_EQ(place(), before);
}

// The system's own account of a failed write or delete: a copy whose folder could not be
// synced is in place but not safe, so no overwrite question and the package stays; a cached
// file that cannot be deleted keeps its entry.
TEST_F(CacheWindowTest, AFailedFolderSyncOrDeleteSaysWhatHappened) {
    const std::string ini = "[Cache]\r\nA-1=Map.ut2\r\n";
    Payload("A-1", "map");
    frmCache_Edit& w = Open(ini, kUt2004, "Music=OFF\r\nProfileName=\r\nCacheDelete=True\r\n");
    {
        test::FailingWrites failing(platform::WriteStep::SyncFolder, EIO);
        Highlight(w, 1, "Map.ut2");
        Press(w, "b_Export");
    }
    EXPECT_EQ(
        Messages(),
        (std::vector<std::string>{
            "Could not copy C:\\UT2004\\Cache\\A-1.uxx to C:\\UT2004\\Maps\\Map.ut2: "
            "Input/output error (the new file is in place, but its folder could not be synced "
            "to disk). The cached file stays in the cache."}));
    EXPECT_EQ(prefix->Read("UT2004/Maps/Map.ut2"), "map");
    EXPECT_TRUE(Exists("UT2004/Cache/A-1.uxx"));
    EXPECT_EQ(CacheIniOnDisk(), ini);

    {
        test::FailingWrites failing(platform::WriteStep::Remove, EACCES);
        Highlight(w, 1, "Map.ut2");
        Press(w, "b_CacheDelete");
    }
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1],
              "Could not delete C:\\UT2004\\Cache\\A-1.uxx: Permission denied. The file and its "
              "entry stay in the cache.");
    EXPECT_TRUE(Exists("UT2004/Cache/A-1.uxx"));
    EXPECT_EQ(CacheIniOnDisk(), ini);
    EXPECT_EQ(w.CacheList(1)->count(), 1);
}

// A name counts by the bytes it takes on the host disk: 200 "é" and ".utx" are 204 bytes in
// cache.ini and 404 in a file name. A name no file can have names no package: its line is
// kept as it stands and is neither listed nor counted.
TEST_F(CacheWindowTest, NamesLongerThanAFileNameAreKeptButNotListed) {
    const std::string longest = std::string(251, 'y') + ".ut2";         // 255 bytes
    const std::string accented = std::string(125, '\xE9') + ".utx";     // 254 on the disk
    const std::string tooAccented = std::string(200, '\xE9') + ".utx";  // 404 on the disk
    const std::string ini = "[Cache]\r\nA-1=Map.ut2\r\nB-1=" + std::string(16 << 20, 'x') +
                            ".ut2\r\nC-1=" + longest + "\r\nD-1=z" + longest +
                            "\r\nE-1=" + accented + "\r\nF-1=" + tooAccented + "\r\n";
    Payload("A-1");
    Payload("E-1", "accented");
    Folder("UT2004/Textures");
    frmCache_Edit& w = Open(ini);
    EXPECT_EQ(ListSizes(w), (std::vector<int>{0, 2, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(w.CacheList(1)->item(1)->text().toStdString(), longest);
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " 3 Files In Cache");
    Highlight(w, 2, accented);
    Press(w, "b_Export");
    EXPECT_EQ(prefix->Read("UT2004/Textures/" + platform::FromAnsi(accented).toStdString()),
              "accented");
    Highlight(w, 1, "Map.ut2");
    Press(w, "b_CacheDelete");
    EXPECT_TRUE(CacheIniOnDisk() == WithoutLine(ini, "A-1=Map.ut2\r\n"));
    EXPECT_TRUE(responder->Messages().empty());
}

// A large cache is listed a slice a turn: the window takes clicks and typing while its lists
// fill, a package the player removes meanwhile (or one whose line is still to come) is never
// listed, and in the end every entry stands in its list in file order.
TEST_F(CacheWindowTest, ALargeCacheTakesInputWhileItsListsFill) {
    constexpr size_t kSlice = frmCache_Edit::kFillSlice;
    const size_t total = 10 * kSlice + 3;
    std::string ini = "[Cache]\r\nS-1=Top.u\r\n";
    std::vector<int> want(8, 0);
    want[0] = 1;
    const char* types[] = {"u", "ut2", "utx", "ogg", "uax", "usx", "ukx", "ka", "int", "UT2"};
    const int lists[] = {0, 1, 2, 3, 4, 5, 6, 7, 0, -1};
    for (size_t i = 0; i < total - 2; ++i) {
        ini += "G" + std::to_string(i) + "=Pkg" + std::to_string(i) + "." + types[i % 10] + "\r\n";
        if (lists[i % 10] >= 0) ++want[static_cast<size_t>(lists[i % 10])];
    }
    ini += "s-1=Bottom.u\r\n";  // the same package as Top.u
    Payload("S-1");
    Payload("G1");
    frmCache_Edit::SetFillBudgetForTest(0);  // one slice a turn, however fast the machine
    Install(test::kSmallUserIni, kUt2004);
    prefix->Write("UT2004/Cache/cache.ini", ini);
    ASSERT_TRUE(Start());
    frmCache_Edit& w = Show();
    auto listedNow = [&] {
        const std::vector<int> sizes = ListSizes(w);
        return static_cast<size_t>(std::accumulate(sizes.begin(), sizes.end(), 0));
    };
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " " + std::to_string(total) + " Files In Cache");
    // Each turn of the event loop lays one slice.
    ASSERT_TRUE(w.Filling());
    const size_t before = listedNow();
    QApplication::processEvents();
    EXPECT_EQ(listedNow(), before + kSlice);

    // Input while filling: highlight, delete, type.
    ASSERT_TRUE(w.Filling());
    responder->AnswerMessage(platform::MsgAnswer::Yes);
    Highlight(w, 0, "Top.u");
    Press(w, "b_CacheDelete");
    Highlight(w, 1, "Pkg1.ut2");
    Press(w, "b_CacheDelete");
    auto* days = w.findChild<QLineEdit*>("tbx_PurgeCache");
    days->selectAll();
    QTest::keyClicks(days, "9");
    EXPECT_EQ(days->text(), "9");
    EXPECT_TRUE(w.Filling());
    EXPECT_EQ(responder->Messages().size(), 1u);  // the shared package's question
    EXPECT_FALSE(Exists("UT2004/Cache/S-1.uxx"));
    EXPECT_FALSE(Exists("UT2004/Cache/G1.uxx"));

    ASSERT_TRUE(ListEverything(w));
    frmCache_Edit::SetFillBudgetForTest(20);
    want[0] -= 1;  // Top.u; Bottom.u went with it
    want[1] -= 1;  // Pkg1.ut2
    EXPECT_EQ(ListSizes(w), want);
    EXPECT_TRUE(w.CacheList(0)->findItems("Bottom.u", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(w.CacheList(1)->item(0)->text(), "Pkg11.ut2");
    EXPECT_EQ(w.CacheList(1)->item(1)->text(), "Pkg21.ut2");
    for (int list = 0; list < 8; ++list) {
        for (int item = 0; item < w.CacheList(list)->count(); ++item) {
            ASSERT_EQ(platform::FromAnsi(w.Cache().Line(w.RowOf(list, item)).Value()),
                      w.CacheList(list)->item(item)->text());
        }
    }
    EXPECT_EQ(Label(w, "lbl_NumInCache"), " " + std::to_string(total - 3) + " Files In Cache");
    EXPECT_TRUE(CacheIniOnDisk() ==
                WithoutLine(WithoutLine(WithoutLine(ini, "S-1=Top.u\r\n"), "G1=Pkg1.ut2\r\n"),
                            "s-1=Bottom.u\r\n"));
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
