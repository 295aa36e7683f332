// Update runs through the window against a real server on 127.0.0.1: the list, its news, the
// downloads, unpacking, markers, and every failure ending in the one message.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>

#include "platform/base/file_writer.h"
#include "platform/base/paths.h"
#include "platform/base/process.h"
#include "platform/base/regional.h"
#include "platform/connected_state.h"
#include "platform/internet_transfer.h"
#include "platform/scripted_responder.h"
#include "tests/support/failing_writes.h"
#include "tests/support/http_test_server.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"
#include "tests/updater/zip_fixture.h"
#include "updater/program_end.h"
#include "updater/waits.h"
#include "updater/window/auto_patcher.h"

namespace patchwell {
namespace {

using kestrane::test::HttpReply;
using kestrane::test::HttpTestServer;
using kestrane::test::ZipBytes;

const std::string kRule = "=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=";

class PatcherWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDelaySecondForTest(std::chrono::milliseconds(5));
        platform::SetRequestTimeoutForTest(std::chrono::milliseconds(500));
        platform::SetConnectedStateForTest(1);
        SetEndProgramHandlerForTest([this] { ++ended_; });
        server_.Serve("/Pack.zip", {200, Zip()});
    }
    void TearDown() override {
        platform::SetSlowTransferRuleForTest(0, std::chrono::milliseconds(0));
        SetEndProgramHandlerForTest({});
        platform::SetConnectedStateForTest(-1);
        platform::SetRequestTimeoutForTest(std::chrono::milliseconds(0));
        SetDelaySecondForTest(std::chrono::milliseconds(0));
    }

    static QByteArray Zip(const std::vector<kestrane::test::ZipMember>& members = {
                              {"Pack.ut2", "map data"}}) {
        return QByteArray::fromStdString(ZipBytes(members));
    }
    std::string Entry(const std::string& path = "/Pack.zip",
                      const std::string& local = "\\Maps\\Pack.zip") const {
        return local + ", PackMarker, 1.3, 250, " + server_.Url(QString::fromStdString(path));
    }
    void List(const std::string& text) {
        server_.Serve("/update.txt", {200, QByteArray::fromStdString(text)});
    }

    // One press of Update on a fresh window; its log afterwards.
    std::string Run(const std::string& url = {}) {
        frmAutoPatcher window(url.empty() ? server_.Url("/update.txt") : url);
        window.Form_Load();
        QTest::mouseClick(window.cmdDone, Qt::LeftButton);
        last_ = window.LastRun();
        return window.LogText();
    }
    bool Exists(const std::string& rel) const {
        return QFileInfo::exists(QString::fromStdString(prefix_.ProgramFolder() + "/" + rel));
    }
    std::string Program(const std::string& rel) const { return prefix_.Read("Kestrane/" + rel); }
    std::string Closing(bool successful) const {
        return "\r\n" + kRule + "\r\n\r\n" + (successful ? "Update Successful\r\n\r\n" : "") +
               "Done!\r\n";
    }
    void ExpectFailed() {
        EXPECT_EQ(last_.outcome, RunOutcome::Failed);
        ASSERT_EQ(responder_.Messages().size(), 1u) << last_.failure;
        EXPECT_EQ(responder_.Messages()[0].text, "Update Failed, Shutting Down.");
        EXPECT_EQ(responder_.Messages()[0].title, "Update Failed");
        EXPECT_EQ(ended_, 1);
        EXPECT_EQ(ProgramEndStatus(), 1);
    }
    // The log's last line, which a failed run writes before its message.
    static std::string LastLine(const std::string& log) {
        const size_t at = log.rfind("\r\n");
        return at == std::string::npos ? log : log.substr(at + 2);
    }

    kestrane::test::TempPrefix prefix_;
    HttpTestServer server_;
    platform::ScriptedResponder responder_;
    RunResult last_;
    int ended_ = 0;
};

TEST_F(PatcherWindowTest, WorkedExampleThenAlreadyUpdated) {
    List("2\r\nNews one\r\nNews two\r\n" + Entry() + "\r\n");
    const std::string date = platform::ShortDateText();
    EXPECT_EQ(Run(), date +
                         "\r\nNews one\r\nNews two\r\nDownloading Update File: Pack, please "
                         "wait . . . Done!" +
                         Closing(true));
    EXPECT_EQ(last_.outcome, RunOutcome::Completed) << last_.failure;
    EXPECT_EQ(Program("Maps/Pack.ut2"), "map data");
    EXPECT_FALSE(Exists("Maps/Pack.zip"));
    EXPECT_EQ(Program("update/PackMarker"), "\"1.3\"\r\n");

    EXPECT_EQ(Run(), date + "\r\nNews one\r\nNews two\r\nFile: Pack.zip - Already Updated!" +
                         Closing(false));
    EXPECT_EQ(server_.Requests("/Pack.zip"), 1);
    EXPECT_TRUE(responder_.Messages().empty());
    EXPECT_EQ(ended_, 0);
}

TEST_F(PatcherWindowTest, ListsWithoutEntries) {
    const std::string date = platform::ShortDateText();
    for (const std::string& list :
         {std::string("0\r\n"), "0\r\n" + Entry() /* no final CR LF: never read */}) {
        List(list);
        EXPECT_EQ(Run(), date + Closing(false)) << list;
        EXPECT_EQ(last_.outcome, RunOutcome::Completed);
    }
    EXPECT_EQ(server_.Requests("/Pack.zip"), 0);
}

TEST_F(PatcherWindowTest, AVersionDifferingInCaseIsFetchedAgain) {
    prefix_.Write("Kestrane/update/PackMarker", "\"1.3A\"\r\n");
    List("0\r\n" + std::string("\\Maps\\Pack.zip, PackMarker, 1.3a, 250, ") +
         server_.Url("/Pack.zip") + "\r\n");
    Run();
    EXPECT_EQ(server_.Requests("/Pack.zip"), 1);
    EXPECT_EQ(Program("update/PackMarker"), "\"1.3a\"\r\n");
}

TEST_F(PatcherWindowTest, SuccessDependsOnTheLastEntry) {
    prefix_.Write("Kestrane/update/Other", "\"2\"\r\n");
    List("0\r\n" + Entry("/Pack.zip", "\\Pack.zip") + "\r\n\\Other.zip, Other, 2, 1, " +
         server_.Url("/Other.zip") + "\r\n");
    const std::string log = Run();
    EXPECT_NE(log.find("Downloading Update File: Pack"), std::string::npos);
    EXPECT_NE(log.find("File: Other.zip - Already Updated!"), std::string::npos);
    EXPECT_EQ(log.find("Update Successful"), std::string::npos);
    EXPECT_EQ(Program("Pack.ut2"), "map data");  // "\Pack.zip" unpacks into the program folder
}

TEST_F(PatcherWindowTest, FailuresEndTheRunWithTheMessage) {
    struct Case {
        const char* what;
        std::string list;  // empty: no list is served
        HttpReply file;
        std::string why;  // in the log's last line
        bool refusedList = false;
    };
    const std::string entry = Entry() + "\r\n";
    const std::string pack = server_.Url("/Pack.zip");
    const Case cases[] = {
        {"empty entry line", "0\r\n\r\n", {200, Zip()}, "line 2 of the update list has fewer"},
        {"list not found",
         "",
         {200, Zip()},
         server_.Url("/update.txt") + " answered HTTP status 404"},
        {"list refused", "", {200, Zip()}, "/update.txt: connection refused", true},
        {"file not found",
         "0\r\n" + Entry("/missing.zip") + "\r\n",
         {200, Zip()},
         server_.Url("/missing.zip") + " answered HTTP status 404"},
        {"truncated file", "0\r\n" + entry, {200, Zip().left(40), 4000}, "ended after 40 of 4000"},
        {"file never answered",
         "0\r\n" + entry,
         {200, "", -1, true},
         pack + ": timed out after 0.5 s"},
        {"zip leaving the folder",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"../../evil.txt", "e"}})},
         "the archive C:\\Kestrane\\Maps\\Pack.zip could not be unpacked: ..\\..\\evil.txt "
         "would leave the extraction folder; nothing extracted (unzip result 90: an entry would "
         "leave the folder)"},
        {"entry no file may bear",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"what?.ut2", "w"}})},
         "the archive C:\\Kestrane\\Maps\\Pack.zip could not be unpacked: what?.ut2 is not a "
         "file name: it holds \"?\", which Windows does not allow in names; nothing extracted "
         "(unzip result 91: an entry's name is not a file name)"},
        {"entry named like a temporary copy",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"Keep.ut2.kestrane-tmp-abcdef", "k"}})},
         "could not be unpacked: Keep.ut2.kestrane-tmp-abcdef is not a file name: it is named "
         "like a temporary copy, which the next start deletes; nothing extracted"},
        {"list path no file may bear",
         "0\r\n" + Entry("/Pack.zip", "\\Maps\\ok?.zip") + "\r\n",
         {200, Zip()},
         "line 2 of the update list: the path \\Maps\\ok?.zip is not a file name: it holds \"?\""},
        // Beside an old Maps\Map.ut2 that Windows would have them replace.
        {"entry ending in a dot",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"Map.ut2.", "new map"}})},
         "could not be unpacked: Map.ut2. is not a file name: \"Map.ut2.\" ends in a dot, which "
         "Windows does not allow at the end of a name; nothing extracted (unzip result 91"},
        {"entry ending in a blank",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"Map.ut2 ", "new map"}})},
         "could not be unpacked: Map.ut2  is not a file name: \"Map.ut2 \" ends in a blank"},
        {"entry named like a device",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"aux.ut2", "new map"}})},
         "could not be unpacked: aux.ut2 is not a file name: \"aux.ut2\" names the device AUX, "
         "which Windows does not allow as a name; nothing extracted"},
        {"list folder ending in a blank",
         "0\r\n" + Entry("/Pack.zip", "\\Maps \\Pack.zip") + "\r\n",
         {200, Zip({{"Map.ut2", "new map"}})},
         "line 2 of the update list: the path \\Maps \\Pack.zip is not a file name: \"Maps \" "
         "ends in a blank"},
        {"marker named like a device",
         "0\r\n\\Maps\\Pack.zip, CON, 1.3, 250, " + pack + "\r\n",
         {200, Zip({{"Map.ut2", "new map"}})},
         "line 2 of the update list: the marker name CON is not a file name: \"CON\" names the "
         "device CON"},
        {"entry named like the archive",
         "0\r\n" + entry,
         {200, Zip({{"ok.ut2", "x"}, {"pack.ZIP", "z"}})},
         "could not be unpacked: pack.ZIP would replace the archive C:\\Kestrane\\Maps\\Pack.zip "
         "itself; nothing extracted"},
        {"file trickling",
         "0\r\n" + entry,
         {200, Zip(), -1, false, 1, 100},
         pack + ": the transfer fell below 1 KB/s for 1 s; given up"},
        {"corrupt zip",
         "0\r\n" + entry,
         {200, "PK\3\4 this is no archive"},
         "Pack.zip could not be unpacked: cannot find or open C:\\Kestrane\\Maps\\Pack.zip, or "
         "it is not a zip archive (unzip result 9"},
    };
    platform::SetSlowTransferRuleForTest(1024, std::chrono::seconds(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::ScriptedResponder responder;
        ended_ = 0;
        SetEndProgramHandlerForTest([this] { ++ended_; });
        // An older archive lies where the download goes: a failed download never unpacks it.
        prefix_.Write("Kestrane/Maps/Pack.zip", ZipBytes({{"old.ut2", "old map"}}));
        prefix_.Write("Kestrane/Maps/Map.ut2", "old map");
        server_.Serve("/update.txt", {404, "no list"});
        if (!c.list.empty()) List(c.list);
        server_.Serve("/Pack.zip", c.file);
        const std::string log =
            Run(c.refusedList ? HttpTestServer::RefusingUrl("/update.txt") : std::string());
        EXPECT_EQ(last_.outcome, RunOutcome::Failed);
        ASSERT_EQ(responder.Messages().size(), 1u) << last_.failure;
        EXPECT_EQ(responder.Messages()[0].text, "Update Failed, Shutting Down.");
        EXPECT_EQ(responder.Messages()[0].title, "Update Failed");
        EXPECT_EQ(ended_, 1);
        EXPECT_EQ(ProgramEndStatus(), 1);
        EXPECT_EQ(LastLine(log).rfind("Failed: ", 0), 0u) << log;
        EXPECT_NE(LastLine(log).find(c.why), std::string::npos) << LastLine(log);
        EXPECT_FALSE(Exists("update/PackMarker"));
        EXPECT_FALSE(Exists("Maps/ok.ut2"));
        EXPECT_FALSE(Exists("Maps/old.ut2"));
        EXPECT_FALSE(Exists("Maps/what?.ut2"));
        EXPECT_FALSE(Exists("Maps/Keep.ut2.kestrane-tmp-abcdef"));
        EXPECT_FALSE(Exists("Maps/ok?.zip"));
        EXPECT_EQ(Program("Maps/Map.ut2"), "old map");
        for (const char* beside :
             {"Maps/Map.ut2.", "Maps/Map.ut2 ", "Maps/aux.ut2", "Maps ", "update/CON"}) {
            EXPECT_FALSE(Exists(beside)) << beside;
        }
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(prefix_.DriveC() + "/evil.txt")));
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(prefix_.Root() + "/evil.txt")));
    }
}

// The download went through; the disk then cuts the unpacking short. The run fails naming the
// archive, the file and the system's reason; the old file stays whole and no part of the new
// one is left.
TEST_F(PatcherWindowTest, AnUnpackingTheDiskCutsShortFailsNamingTheFile) {
    List("0\r\n" + Entry() + "\r\n");
    for (const kestrane::test::DiskFailure& c : kestrane::test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        platform::ScriptedResponder responder;
        ended_ = 0;
        SetEndProgramHandlerForTest([this] { ++ended_; });
        prefix_.Write("Kestrane/Maps/Pack.ut2", "old map");
        server_.Serve("/Pack.zip", {200, Zip({{"Pack.ut2", std::string(c.size, 'm')}})});
        // The archive's own download is one final flush that goes through.
        const int passing = c.step == platform::WriteStep::Flush ? 1 : 0;
        kestrane::test::FailingWrites failing(c.step, c.error, passing);
        const std::string log = Run();
        EXPECT_EQ(failing.Failed(), 1);
        EXPECT_EQ(LastLine(log),
                  "Failed: the archive C:\\Kestrane\\Maps\\Pack.zip could not be unpacked: cannot "
                  "write C:\\Kestrane\\Maps\\Pack.ut2: " +
                      std::string(c.reason) +
                      " (unzip result 50: a file or folder could not be written)");
        ASSERT_EQ(responder.Messages().size(), 1u);
        EXPECT_EQ(ended_, 1);
        EXPECT_EQ(ProgramEndStatus(), 1);
        EXPECT_EQ(Program("Maps/Pack.ut2"), "old map");
        // Nor is the archive left behind: the next run fetches it again.
        EXPECT_EQ(kestrane::test::FolderEntries(prefix_.ProgramFolder() + "/Maps"),
                  std::vector<std::string>{"Pack.ut2"});
        EXPECT_FALSE(Exists("update/PackMarker"));
    }
}

// On a file system that refuses the swap and hard links (vfat, exFAT), a failure at the
// third file's rename fails the run and puts back the old files the first two replaced, with
// no new file and no copy left.
TEST_F(PatcherWindowTest, WhereTheSwapIsRefusedAFailedUnpackingPutsBackTheOldFiles) {
    List("0\r\n" + Entry() + "\r\n");
    server_.Serve("/Pack.zip",
                  {200, Zip({{"F0.ut2", "new 0"}, {"F1.ut2", "new 1"}, {"F2.ut2", "new 2"}})});
    prefix_.Write("Kestrane/Maps/F0.ut2", "old 0");
    prefix_.Write("Kestrane/Maps/F2.ut2", "old 2");
    using kestrane::test::SwapSupport;
    std::string log;
    {
        // The archive's download and the first two files pass the rename.
        kestrane::test::FailingWrites failing(platform::WriteStep::Rename, EIO, 3,
                                              SwapSupport::NoSwapNoLinks);
        log = Run();
        EXPECT_EQ(failing.Failed(), 1);
    }
    EXPECT_EQ(LastLine(log),
              "Failed: the archive C:\\Kestrane\\Maps\\Pack.zip could not be unpacked: cannot "
              "write C:\\Kestrane\\Maps\\F2.ut2: Input/output error (unzip result 50: a file or "
              "folder could not be written)");
    ExpectFailed();
    EXPECT_EQ(Program("Maps/F0.ut2"), "old 0");
    EXPECT_EQ(Program("Maps/F2.ut2"), "old 2");
    EXPECT_EQ(kestrane::test::FolderEntries(prefix_.ProgramFolder() + "/Maps"),
              (std::vector<std::string>{"F0.ut2", "F2.ut2"}));
}

// A damaged later entry, an entry longer than it declares, one declaring 2 GiB and four whose
// declared sizes add up past 2^64: the run fails naming the archive and the entry, every old
// file stays as it was, and neither the archive nor any part of the new files is left.
TEST_F(PatcherWindowTest, AnArchiveThatCannotBeUnpackedWholeFailsAndChangesNothing) {
    using kestrane::test::ZipMember;
    const std::string zeros(1 << 20, '\0');
    const ZipMember pack{"Pack.ut2", "new map", false, true};
    struct Case {
        const char* what;
        std::string zip;
        std::string why;
    };
    const std::string archive = "the archive C:\\Kestrane\\Maps\\Pack.zip could not be unpacked: ";
    const Case cases[] = {
        {"damaged later entry",
         kestrane::test::WithDamagedData(
             ZipBytes({pack, {"Readme.txt", "the new readme", false, true}}), "the new readme"),
         archive + "Readme.txt: CRC error (unzip result 2: an entry is damaged)"},
        {"longer than declared",
         kestrane::test::WithDeclaredSize(ZipBytes({pack, {"Readme.txt", zeros}}), "Readme.txt",
                                          4096),
         archive + "Readme.txt: holds more than the 4096 bytes it declares"},
        {"2 GiB declared",
         kestrane::test::WithDeclaredSize(ZipBytes({pack, {"Bomb.ut2", zeros}}), "Bomb.ut2",
                                          1u << 31),
         archive +
             "the entry Bomb.ut2 declares 2147483648 bytes, more than the 1073741824 one update "
             "may take; nothing extracted (unzip result 52"},
        {"2^62 declared by each of four zip64 entries",
         kestrane::test::Zip64Declaring({{"Pack.ut2", std::string(64 << 10, '\0')},
                                         {"Readme.txt", ""},
                                         {"Big3.ut2", ""},
                                         {"Big4.ut2", ""}},
                                        uint64_t{1} << 62),
         archive +
             "the entry Pack.ut2 declares 4611686018427387904 bytes, more than the 1073741824 "
             "one update may take; nothing extracted (unzip result 52"},
    };
    List("0\r\n" + Entry() + "\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::ScriptedResponder responder;
        ended_ = 0;
        SetEndProgramHandlerForTest([this] { ++ended_; });
        prefix_.Write("Kestrane/Maps/Pack.ut2", "old map");
        prefix_.Write("Kestrane/Maps/Readme.txt", "old readme");
        server_.Serve("/Pack.zip", {200, QByteArray::fromStdString(c.zip)});
        const std::string log = Run();
        EXPECT_EQ(last_.outcome, RunOutcome::Failed);
        ASSERT_EQ(responder.Messages().size(), 1u);
        EXPECT_EQ(responder.Messages()[0].text, "Update Failed, Shutting Down.");
        EXPECT_EQ(ProgramEndStatus(), 1);
        EXPECT_EQ(log.find("Update Successful"), std::string::npos);
        EXPECT_EQ(LastLine(log).rfind("Failed: " + c.why, 0), 0u) << LastLine(log);
        EXPECT_EQ(Program("Maps/Pack.ut2"), "old map");
        EXPECT_EQ(Program("Maps/Readme.txt"), "old readme");
        EXPECT_EQ(kestrane::test::FolderEntries(prefix_.ProgramFolder() + "/Maps"),
                  (std::vector<std::string>{"Pack.ut2", "Readme.txt"}));
        EXPECT_FALSE(Exists("update/PackMarker"));
    }
}

// A folder the run needs and cannot make fails it before anything is fetched, with the
// system's reason.
TEST_F(PatcherWindowTest, AFolderThatCannotBeMadeFailsBeforeTheDownload) {
    const std::string longName(300, 'x');
    struct Case {
        const char* what;
        std::string list;
        std::string why;
    };
    const Case cases[] = {
        {"the markers' folder", "0\r\n" + Entry() + "\r\n",
         "cannot create the folder C:\\Kestrane\\update: File exists"},
        {"the archive's folder",
         "0\r\n" + Entry("/Pack.zip", "\\" + longName + "\\Pack.zip") + "\r\n",
         "cannot create the folder C:\\Kestrane\\" + longName + ": File name too long"},
    };
    prefix_.Write("Kestrane/update", "a file where the folder should be");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::ScriptedResponder responder;
        ended_ = 0;
        SetEndProgramHandlerForTest([this] { ++ended_; });
        List(c.list);
        const std::string log = Run();
        EXPECT_EQ(last_.outcome, RunOutcome::Failed);
        ASSERT_EQ(responder.Messages().size(), 1u);
        EXPECT_EQ(LastLine(log), "Failed: " + c.why);
        EXPECT_EQ(server_.Requests("/Pack.zip"), 0);
        QFile::remove(QString::fromStdString(prefix_.ProgramFolder() + "/update"));
    }
}

// A run killed while unpacking left a full temporary copy; the next start removes it by the
// writer's own name pattern and nothing else.
// The first start only makes the record (a program that ran without one may be writing).
TEST_F(PatcherWindowTest, TheNextStartRemovesTheCopiesAKilledRunLeft) {
    prefix_.Write("Kestrane/Maps/Pack.ut2.kestrane-tmp-Ab12Cd", "a full copy");
    prefix_.Write("Kestrane/Maps/Pack.ut2.backup", "the player's own");
    for (const bool first : {true, false}) {
        frmAutoPatcher window(server_.Url("/update.txt"));
        window.Form_Load();
        EXPECT_EQ(kestrane::test::FolderEntries(prefix_.ProgramFolder() + "/Maps").size(),
                  first ? 2u : 1u);
    }
    EXPECT_EQ(kestrane::test::FolderEntries(prefix_.ProgramFolder() + "/Maps"),
              std::vector<std::string>{"Pack.ut2.backup"});
}

// Every file and folder below a folder of the program folder, as relative paths, sorted.
std::vector<std::string> Tree(const std::string& hostFolder) {
    std::vector<std::string> paths;
    QDirIterator it(QString::fromStdString(hostFolder),
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        paths.push_back(
            QDir(QString::fromStdString(hostFolder)).relativeFilePath(it.filePath()).toStdString());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool HoldsACopy(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [](const std::string& path) {
        return path.find(".kestrane-tmp-") != std::string::npos;
    });
}

// The update run of the test below, in a fresh process of this program (a forked copy of
// one that has used the network cannot use it again): the environment names the list, the
// program folder and the write to be killed at.
constexpr const char* kKilledRunEnv = "KESTRANE_KILLED_RUN";

TEST(KilledRun, InAProcessOfItsOwn) {
    const char* spec = std::getenv(kKilledRunEnv);
    if (!spec) GTEST_SKIP() << "run by TheNextStartRemovesWhatAKilledRunLeftAtAnyDepth";
    const QStringList parts = QString::fromLocal8Bit(spec).split('\n');
    ASSERT_EQ(parts.size(), 5);
    platform::SetProgramFolderForTest(parts[1].toStdString());
    SetDelaySecondForTest(std::chrono::milliseconds(5));
    platform::SetConnectedStateForTest(1);
    SetEndProgramHandlerForTest([] {});
    platform::ScriptedResponder responder;
    const auto step = static_cast<platform::WriteStep>(parts[2].toInt());
    const auto support = static_cast<kestrane::test::SwapSupport>(parts[4].toInt());
    platform::SetWriteFaultForTest([step, support, nth = parts[3].toInt(), reached = 0](
                                       platform::WriteStep now, int64_t) mutable {
        if (now == step && reached++ == nth) ::raise(SIGKILL);
        return kestrane::test::RefusedBy(support, now);
    });
    frmAutoPatcher window(parts[0].toStdString());
    window.Form_Load();
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
}

// True when the run was killed where asked.
bool RunKilled(const std::string& listUrl, const std::string& programFolder,
               platform::WriteStep step, int nth,
               kestrane::test::SwapSupport support = kestrane::test::SwapSupport::Swaps) {
    const std::string spec = listUrl + "\n" + programFolder + "\n" +
                             std::to_string(static_cast<int>(step)) + "\n" + std::to_string(nth) +
                             "\n" + std::to_string(static_cast<int>(support));
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv(kKilledRunEnv, spec.c_str(), 1);
        ::alarm(120);
        const char* argv[] = {"test_updater", "--gtest_filter=KilledRun.InAProcessOfItsOwn",
                              nullptr};
        ::execv("/proc/self/exe", const_cast<char**>(argv));
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// A run killed on the way, in a process of its own, four folders below the program folder: the
// next start removes the copies, the archive it downloaded and the folders it made, and keeps
// an archive the player had there that the run never replaced.
TEST_F(PatcherWindowTest, TheNextStartRemovesWhatAKilledRunLeftAtAnyDepth) {
    using platform::WriteStep;
    struct Case {
        const char* what;
        WriteStep step;
        int nth;  // the download is the first file written, the archive's entries follow
        bool playersArchive;
        std::vector<std::string> left;  // in Maps, before the next start
    };
    const std::vector<std::string> folders = {"a", "a/b", "a/b/c"};
    auto with = [&](std::vector<std::string> extra) {
        extra.insert(extra.end(), folders.begin(), folders.end());
        extra.push_back("Mine.ut2");
        std::sort(extra.begin(), extra.end());
        return extra;
    };
    const Case cases[] = {
        {"during the download", WriteStep::Flush, 0, true, with({"a/b/c/Pack.zip"})},
        {"as the archive took its name", WriteStep::SyncFolder, 0, false, with({"a/b/c/Pack.zip"})},
        {"before the unpacking", WriteStep::Create, 1, false, with({"a/b/c/Pack.zip"})},
        {"during the unpacking", WriteStep::Create, 2, false, with({"a/b/c/Pack.zip"})},
    };
    List("0\r\n" + Entry("/Pack.zip", "\\Maps\\a\\b\\c\\Pack.zip") + "\r\n");
    server_.Serve("/Pack.zip", {200, Zip({{"One.ut2", "one"}, {"Two.ut2", "two"}})});
    const std::string maps = prefix_.ProgramFolder() + "/Maps";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(QString::fromStdString(maps)).removeRecursively();
        prefix_.Write("Kestrane/Maps/Mine.ut2", "the player's map");
        if (c.playersArchive) prefix_.Write("Kestrane/Maps/a/b/c/Pack.zip", "the player's zip");
        ASSERT_TRUE(RunKilled(server_.Url("/update.txt"), prefix_.ProgramFolder(), c.step, c.nth));
        std::vector<std::string> left = Tree(maps);
        EXPECT_EQ(HoldsACopy(left), c.step == WriteStep::Flush || c.nth == 2);
        left.erase(std::remove_if(left.begin(), left.end(),
                                  [](const std::string& path) {
                                      return path.find(".kestrane-tmp-") != std::string::npos;
                                  }),
                   left.end());
        EXPECT_EQ(left, c.left);

        frmAutoPatcher window(server_.Url("/update.txt"));
        window.Form_Load();
        if (c.playersArchive) {
            EXPECT_EQ(Tree(maps), c.left);
            EXPECT_EQ(Program("Maps/a/b/c/Pack.zip"), "the player's zip");
        } else {
            EXPECT_EQ(Tree(maps), std::vector<std::string>{"Mine.ut2"});
        }
    }
}

// On every file system, with no record of folders written into at its start (a first run),
// a run killed at each step of a 6-file update four folders deep (3 files replacing old ones):
// after the next start every file is old or new, and no copy and no archive is left.
TEST_F(PatcherWindowTest, AKillAtEveryStepFourFoldersDeepLeavesEachFileOldOrNew) {
    using kestrane::test::SwapSupport;
    std::map<std::string, std::string> newFiles, oldFiles;
    std::vector<kestrane::test::ZipMember> members;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "K0" + std::to_string(i) + ".ut2";
        newFiles[name] = std::string(i == 1 ? 100 * 1024 : 40, static_cast<char>('a' + i));
        if (i < 3) oldFiles[name] = "old " + name;
        members.push_back({name, newFiles[name]});
    }
    List("0\r\n" + Entry("/Pack.zip", "\\Maps\\a\\b\\c\\Pack.zip") + "\r\n");
    server_.Serve("/Pack.zip", {200, Zip(members)});
    const std::string program = prefix_.ProgramFolder();
    const std::string deep = program + "/Maps/a/b/c";
    const auto layOut = [&] {
        QDir(QString::fromStdString(program + "/Maps")).removeRecursively();
        QDir(QString::fromStdString(program + "/update")).removeRecursively();
        QFile::remove(QString::fromStdString(program + "/Kestrane Temp Folders.txt"));
        QFile::remove(QString::fromStdString(program + "/Patchwell Downloads.txt"));
        for (const auto& [name, bytes] : oldFiles) {
            prefix_.Write("Kestrane/Maps/a/b/c/" + name, bytes);
        }
    };
    for (const SwapSupport support : kestrane::test::kSwapSupports) {
        SCOPED_TRACE(kestrane::test::Describe(support));
        // One whole run, to count the steps it reaches.
        std::map<platform::WriteStep, int> reached;
        layOut();
        platform::SetWriteFaultForTest([&](platform::WriteStep step, int64_t) {
            ++reached[step];
            return kestrane::test::RefusedBy(support, step);
        });
        Run();
        platform::SetWriteFaultForTest(nullptr);
        ASSERT_EQ(last_.outcome, RunOutcome::Completed) << last_.failure;
        int kills = 0;
        for (const auto& [step, times] : reached) {
            for (int nth = 0; nth < times; ++nth) {
                SCOPED_TRACE(testing::Message()
                             << "step " << static_cast<int>(step) << ", time " << nth);
                layOut();
                if (!RunKilled(server_.Url("/update.txt"), program, step, nth, support)) {
                    ADD_FAILURE() << "not killed";
                    continue;
                }
                ++kills;
                platform::SetWriteFaultForTest([support](platform::WriteStep now, int64_t) {
                    return kestrane::test::RefusedBy(support, now);
                });
                {
                    frmAutoPatcher window(server_.Url("/update.txt"));
                    window.Form_Load();
                }
                platform::SetWriteFaultForTest(nullptr);
                std::vector<std::string> present;
                for (const auto& [name, bytes] : newFiles) {
                    const std::string path = deep + "/" + name;
                    if (!QFileInfo::exists(QString::fromStdString(path))) {
                        EXPECT_EQ(oldFiles.count(name), 0u) << name << " is gone";
                        continue;
                    }
                    present.push_back(name);
                    const std::string now = kestrane::test::ReadHostFile(path);
                    const auto old = oldFiles.find(name);
                    EXPECT_TRUE(now == bytes || (old != oldFiles.end() && now == old->second))
                        << name << " holds " << now.size() << " bytes of neither";
                }
                EXPECT_EQ(kestrane::test::FolderEntries(deep), present);
            }
        }
        EXPECT_GT(kills, 40);
    }
}

// The player's own archive saved where a killed run's download was to go stays at the next
// start, even on the very inode the run's file had (ext4 hands a freed inode to the next new
// file at once): killed while the body came in, and killed once its proof was noted but
// before it took its name. The player has deleted the odd-named copy the kill left.
TEST_F(PatcherWindowTest, ThePlayersFileOnAKilledDownloadsInodeStays) {
    using platform::WriteStep;
    std::string noise(200 * 1024, '\0');  // incompressible: the body comes in several writes
    uint32_t seed = 7;
    for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    const QByteArray zip = Zip({{"Pack.ut2", noise}});
    server_.Serve("/Pack.zip", {200, zip});
    List("0\r\n" + Entry() + "\r\n");
    const std::string maps = prefix_.ProgramFolder() + "/Maps";
    const std::string record = prefix_.ProgramFolder() + "/Patchwell Downloads.txt";
    const std::string archive = maps + "/Pack.zip";
    const std::pair<const char*, WriteStep> kills[] = {{"during the body", WriteStep::Write},
                                                       {"before the rename", WriteStep::Flush}};
    int reused = 0;
    for (const auto& [what, step] : kills) {
        SCOPED_TRACE(what);
        QDir(QString::fromStdString(maps)).removeRecursively();
        ASSERT_TRUE(RunKilled(server_.Url("/update.txt"), prefix_.ProgramFolder(), step, 0));
        const std::vector<std::string> left = kestrane::test::FolderEntries(maps);
        ASSERT_EQ(left.size(), 1u);
        ASSERT_TRUE(HoldsACopy(left));
        struct stat copy {};
        ASSERT_EQ(::stat((maps + "/" + left[0]).c_str(), &copy), 0);
        ASSERT_EQ(::unlink((maps + "/" + left[0]).c_str()), 0);
        // As long as the archive, so that only its bytes tell it from the download.
        const std::string mine(static_cast<size_t>(zip.size()), 'p');
        kestrane::test::WriteHostFile(archive, mine);
        struct stat player {};
        ASSERT_EQ(::stat(archive.c_str(), &player), 0);
        if (player.st_ino == copy.st_ino && player.st_dev == copy.st_dev) {
            ++reused;
        } else {
            // The file system gave another inode: the record names the player's file as a
            // line of the old form and one proving other bytes would, on the same inode.
            const std::string id =
                std::to_string(player.st_dev) + " " + std::to_string(player.st_ino) + " ";
            const std::string others =
                QCryptographicHash::hash(zip, QCryptographicHash::Blake2b_256)
                    .toHex()
                    .toStdString();
            std::FILE* file = std::fopen(record.c_str(), "a");
            ASSERT_NE(file, nullptr);
            std::fprintf(file, "file %s%s\nfile-digest %s%lld %s %s\n", id.c_str(), archive.c_str(),
                         id.c_str(), static_cast<long long>(player.st_size), others.c_str(),
                         archive.c_str());
            std::fclose(file);
        }

        frmAutoPatcher window(server_.Url("/update.txt"));
        window.Form_Load();
        EXPECT_EQ(kestrane::test::FolderEntries(maps), std::vector<std::string>{"Pack.zip"});
        EXPECT_EQ(Program("Maps/Pack.zip"), mine);
        EXPECT_EQ(kestrane::test::ReadHostFile(record), "");
    }
    RecordProperty("inode_reused", reused);
}

// A run that fails after its download, or while unpacking, removes the archive and the
// folders it made for it (those only, and only when empty); a player's archive that a failed
// download never replaced stays.
TEST_F(PatcherWindowTest, AFailedRunRemovesTheArchiveAndTheFoldersItMade) {
    struct Case {
        const char* what;
        std::string local;
        HttpReply file;
        bool failFolderSync;
        std::vector<std::string> left;  // below the program folder's NewDir and Maps
    };
    const std::vector<std::string> mine = {"Maps", "Maps/Mine.ut2"};
    const Case cases[] = {
        {"folder sync fails after the download",
         "\\NewDir\\Sub\\Pack.zip",
         {200, Zip()},
         true,
         mine},
        {"not a zip", "\\NewDir\\Sub\\Pack.zip", {200, "not a zip"}, false, mine},
        {"not a zip, below Maps", "\\Maps\\New\\Sub\\Pack.zip", {200, "not a zip"}, false, mine},
        {"not found",
         "\\Maps\\Pack.zip",
         {404, "gone"},
         false,
         {"Maps", "Maps/Mine.ut2", "Maps/Pack.zip"}},
    };
    const std::string record = prefix_.ProgramFolder() + "/Patchwell Downloads.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::ScriptedResponder responder;
        ended_ = 0;
        SetEndProgramHandlerForTest([this] { ++ended_; });
        for (const char* folder : {"/NewDir", "/Maps"}) {
            QDir(QString::fromStdString(prefix_.ProgramFolder() + folder)).removeRecursively();
        }
        prefix_.Write("Kestrane/Maps/Mine.ut2", "the player's map");
        prefix_.Write("Kestrane/Maps/Pack.zip", "the player's zip");
        List("0\r\n" + Entry("/Pack.zip", c.local) + "\r\n");
        server_.Serve("/Pack.zip", c.file);
        std::optional<kestrane::test::FailingWrites> failing;
        if (c.failFolderSync) failing.emplace(platform::WriteStep::SyncFolder, EIO);
        Run();
        failing.reset();
        EXPECT_EQ(last_.outcome, RunOutcome::Failed);
        EXPECT_EQ(responder.Messages().size(), 1u);
        std::vector<std::string> left;
        for (const char* folder : {"NewDir", "Maps"}) {
            if (!Exists(folder)) continue;
            left.push_back(folder);
            for (const std::string& path : Tree(prefix_.ProgramFolder() + "/" + folder)) {
                left.push_back(std::string(folder) + "/" + path);
            }
        }
        std::sort(left.begin(), left.end());
        if (c.left.back() != "Maps/Pack.zip") {
            left.erase(std::remove(left.begin(), left.end(), "Maps/Pack.zip"), left.end());
        }
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(Program("Maps/Pack.zip"), "the player's zip");
        EXPECT_EQ(kestrane::test::ReadHostFile(record), "");
    }

    // A run that succeeds keeps the folders it made, and the next start leaves them be.
    SetEndProgramHandlerForTest([this] { ++ended_; });
    List("0\r\n" + Entry("/Pack.zip", "\\NewDir\\Sub\\Pack.zip") + "\r\n");
    server_.Serve("/Pack.zip", {200, Zip()});
    Run();
    EXPECT_EQ(last_.outcome, RunOutcome::Completed) << last_.failure;
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    EXPECT_EQ(Tree(prefix_.ProgramFolder() + "/NewDir"),
              (std::vector<std::string>{"Sub", "Sub/Pack.ut2"}));
}

TEST_F(PatcherWindowTest, EmptyMarkersFailNamingTheMarker) {
    List("0\r\n" + Entry() + "\r\n");
    for (const char* marker : {"", "\r\n", "  \r\n"}) {
        SCOPED_TRACE(testing::PrintToString(marker));
        platform::ScriptedResponder responder;
        ended_ = 0;
        SetEndProgramHandlerForTest([this] { ++ended_; });
        prefix_.Write("Kestrane/update/PackMarker", marker);
        const std::string log = Run();
        EXPECT_EQ(LastLine(log), "Failed: the marker C:\\Kestrane\\update\\PackMarker is empty");
        ASSERT_EQ(responder.Messages().size(), 1u);
        EXPECT_EQ(ProgramEndStatus(), 1);
        EXPECT_EQ(server_.Requests("/Pack.zip"), 0);
    }
}

TEST_F(PatcherWindowTest, OlderCopiesOfTheListedFilesAreReplaced) {
    prefix_.Write("Kestrane/Maps/Pack.ut2", "old map data, longer than the new one");
    prefix_.Write("Kestrane/Maps/Pack.utx", "old textures");
    prefix_.Write("Kestrane/Maps/Keep.ut2", "not in the archive");
    prefix_.Write("Kestrane/update/PackMarker", "\"1.2\"\r\n");
    server_.Serve("/Pack.zip",
                  {200, Zip({{"Pack.ut2", "map data"}, {"Pack.utx", "new textures"}})});
    List("0\r\n" + Entry() + "\r\n");
    const std::string log = Run();
    EXPECT_EQ(last_.outcome, RunOutcome::Completed) << last_.failure;
    EXPECT_NE(log.find("Update Successful"), std::string::npos);
    EXPECT_EQ(Program("Maps/Pack.ut2"), "map data");
    EXPECT_EQ(Program("Maps/Pack.utx"), "new textures");
    EXPECT_EQ(Program("Maps/Keep.ut2"), "not in the archive");
    EXPECT_EQ(Program("update/PackMarker"), "\"1.3\"\r\n");
    EXPECT_FALSE(Exists("Maps/Pack.zip"));
}

TEST_F(PatcherWindowTest, ProgressFollowsTheBytesOfASlowDownload) {
    std::string noise(48 * 1024, '\0');  // incompressible, so the archive stays as large
    uint32_t seed = 1;
    for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    HttpReply slow{200, Zip({{"Pack.ut2", noise}})};
    slow.trickleBytes = 4096;
    slow.trickleEveryMs = 60;  // about 0.8 s in all
    server_.Serve("/Pack.zip", slow);
    List("0\r\n" + Entry() + "\r\n");
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    std::set<int> values;
    std::set<QString> captions;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!window.ProgressBar1->isVisible()) return;
        values.insert(window.ProgressBar1->value());
        const QString caption = window.lblPercent->text();
        if (!caption.isEmpty() && caption.front().isDigit()) captions.insert(caption);
    });
    probe.start(10);
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    probe.stop();
    EXPECT_EQ(window.LastRun().outcome, RunOutcome::Completed) << window.LastRun().failure;
    values.erase(0);
    EXPECT_GE(values.size(), 4u);    // one value per few pieces, not one jump at the end
    EXPECT_GE(captions.size(), 2u);  // the label follows the bar
}

TEST_F(PatcherWindowTest, AFailedUnpackIsRetriedNextRun) {
    List("0\r\n" + Entry() + "\r\n");
    server_.Serve("/Pack.zip", {200, "not a zip"});
    Run();
    ExpectFailed();
    SetEndProgramHandlerForTest([this] { ++ended_; });  // the next start of the updater
    server_.Serve("/Pack.zip", {200, Zip()});
    const std::string log = Run();
    EXPECT_EQ(last_.outcome, RunOutcome::Completed) << last_.failure;
    EXPECT_NE(log.find("Update Successful"), std::string::npos);
    EXPECT_EQ(Program("Maps/Pack.ut2"), "map data");
}

TEST_F(PatcherWindowTest, NoConnectionNoRun) {
    platform::SetConnectedStateForTest(0);
    List("0\r\n");
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    ASSERT_EQ(responder_.Messages().size(), 1u);
    EXPECT_EQ(responder_.Messages()[0].text,
              "Error: An Active Internet Connection is Required to Update Kestrane INI");
    EXPECT_EQ(responder_.Messages()[0].title, "Patchwell");
    EXPECT_EQ(server_.Requests("/update.txt"), 0);
    EXPECT_TRUE(window.lbl_Welcome->isVisible());
    EXPECT_FALSE(window.txtMain->isVisible());
}

TEST_F(PatcherWindowTest, StartUpShowsTheWelcome) {
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(prefix_.ProgramFolder() + "/update")).isDir() ||
                QFileInfo(QString::fromStdString(prefix_.ProgramFolder() + "/Update")).isDir());
    EXPECT_EQ(window.windowTitle(), "Patchwell");
    EXPECT_TRUE(window.lbl_Welcome->isVisible());
    EXPECT_EQ(window.lbl_Welcome->text(),
              "Welcome to the Kestrane INI Patchwell.  To Check for New Updates or Current News "
              "Regarding Kestrane INI, Press the \"Update\" Button");
    EXPECT_FALSE(window.txtMain->isVisible());
    EXPECT_FALSE(window.ProgressBar1->isVisible());
    EXPECT_EQ(window.cmdDone->text(), "Update");
    EXPECT_EQ(window.cmdCancel->text(), "Exit");
    EXPECT_EQ(window.Command1->text(), "Launch Kestrane INI");
    EXPECT_EQ(window.Timer1->interval(), 200);
}

TEST_F(PatcherWindowTest, UpdateIsDisabledWhileARunIsUnderWay) {
    List("0\r\n" + Entry() + "\r\n");
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    bool enabledDuringRun = true, progressShown = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        enabledDuringRun = enabledDuringRun && window.cmdDone->isEnabled();
        progressShown = progressShown || window.ProgressBar1->isVisible();
        QTest::mouseClick(window.cmdDone, Qt::LeftButton);  // ignored
    });
    probe.start(1);
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    probe.stop();
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(window.cmdDone->isEnabled());
    EXPECT_EQ(server_.Requests("/update.txt"), 1);
    EXPECT_FALSE(window.ProgressBar1->isVisible());
}

TEST_F(PatcherWindowTest, TheDownloadLineIsRedBoldAndStaysSo) {
    List("0\r\n" + Entry() + "\r\n");
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    const QTextBlock line = window.txtMain->document()->findBlockByNumber(1);
    ASSERT_TRUE(line.text().startsWith("Downloading Update File: Pack"));
    const QTextCharFormat marked = line.begin().fragment().charFormat();
    EXPECT_EQ(marked.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(marked.fontWeight(), QFont::Bold);
    EXPECT_EQ(marked.fontPointSize(), 12);
    // " Done!" on the same line and the closing lines are plain.
    QTextBlock::iterator last = line.begin();
    for (auto it = line.begin(); !it.atEnd(); ++it) last = it;
    EXPECT_EQ(last.fragment().text(), " Done!");
    EXPECT_NE(last.fragment().charFormat().fontWeight(), QFont::Bold);
    const QTextBlock rule = line.next();
    ASSERT_FALSE(rule.begin().atEnd());
    EXPECT_NE(rule.begin().fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST_F(PatcherWindowTest, ExitDuringARunEndsItAtOnce) {
    SetDelaySecondForTest(std::chrono::milliseconds(200));
    List("1\r\nNews\r\n" + Entry() + "\r\n");
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    QTimer::singleShot(50, [&] { QTest::mouseClick(window.cmdCancel, Qt::LeftButton); });
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    EXPECT_EQ(window.LastRun().outcome, RunOutcome::Ended);
    EXPECT_GE(ended_, 1);
    EXPECT_TRUE(responder_.Messages().empty());
    EXPECT_EQ(server_.Requests("/Pack.zip"), 0);
}

TEST_F(PatcherWindowTest, LaunchDuringARunStartsTheEditorBeforeTheEnd) {
    SetDelaySecondForTest(std::chrono::milliseconds(200));
    List("1\r\nNews\r\n" + Entry() + "\r\n");
    std::vector<platform::Launch> launches;
    platform::RecordLaunchesForTest(&launches);
    // The real end leaves the process at once: the editor must have been started by then.
    std::optional<size_t> launchedAtEnd;
    SetEndProgramHandlerForTest([&] {
        if (!launchedAtEnd) launchedAtEnd = launches.size();
        ++ended_;
    });
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    QTimer::singleShot(50, [&] { QTest::mouseClick(window.Command1, Qt::LeftButton); });
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    platform::RecordLaunchesForTest(nullptr);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].program, "C:\\Kestrane\\Kestrane_INI.exe");
    EXPECT_EQ(launchedAtEnd, 1u);
    EXPECT_EQ(window.LastRun().outcome, RunOutcome::Ended);
    EXPECT_FALSE(Exists("update/PackMarker"));
}

TEST_F(PatcherWindowTest, LaunchStartsTheEditorAndEnds) {
    std::vector<platform::Launch> launches;
    platform::RecordLaunchesForTest(&launches);
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    platform::RecordLaunchesForTest(nullptr);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].program, "C:\\Kestrane\\Kestrane_INI.exe");
    EXPECT_EQ(launches[0].arguments, "");
    EXPECT_EQ(ended_, 1);
    EXPECT_FALSE(window.isVisible());
}

// Pictures of the window during and after a run, for a person to look at: only when
// PATCHWELL_SHOT_DIR names a folder.
TEST_F(PatcherWindowTest, Screenshots) {
    const QString folder = qEnvironmentVariable("PATCHWELL_SHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "PATCHWELL_SHOT_DIR is not set";
    QDir().mkpath(folder);
    SetDelaySecondForTest(std::chrono::milliseconds(400));
    server_.Serve("/Pack.zip", {200, Zip({{"Pack.ut2", std::string(300 * 1024, 'm')}})});
    List("2\r\nKestrane INI 1.3 is out: new colour fields.\r\nServers: thanks for hosting!\r\n" +
         Entry() + "\r\n\\Music.zip, MusicMarker, 1, 1, " + server_.Url("/Music.zip") + "\r\n");
    prefix_.Write("Kestrane/update/MusicMarker", "\"1\"\r\n");
    frmAutoPatcher window(server_.Url("/update.txt"));
    window.Form_Load();
    window.grab().save(folder + "/patchwell_start.png");
    bool during = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!during && window.ProgressBar1->isVisible() && !window.lblPercent->text().isEmpty()) {
            window.ProgressBar1->setValue(120);  // as a slow line would show it
            during = window.grab().save(folder + "/patchwell_during.png");
        }
    });
    probe.start(20);
    QTest::mouseClick(window.cmdDone, Qt::LeftButton);
    probe.stop();
    EXPECT_TRUE(during);
    EXPECT_TRUE(window.grab().save(folder + "/patchwell_after.png"));

    // A failed run: its last log line says why, under the message's end.
    List("1\r\nKestrane INI 1.4 is out.\r\n" + Entry("/gone.zip") + "\r\n");
    prefix_.Write("Kestrane/update/PackMarker", "\"1.2\"\r\n");
    frmAutoPatcher failing(server_.Url("/update.txt"));
    failing.Form_Load();
    QTest::mouseClick(failing.cmdDone, Qt::LeftButton);
    EXPECT_TRUE(failing.grab().save(folder + "/patchwell_failed.png"));

    // An archive declaring more than one update may take: refused before anything is written.
    server_.Serve(
        "/Pack.zip",
        {200, QByteArray::fromStdString(kestrane::test::WithDeclaredSize(
                  ZipBytes({{"Bomb.ut2", std::string(1 << 20, '\0')}}), "Bomb.ut2", 1u << 31))});
    List("0\r\n" + Entry() + "\r\n");
    SetEndProgramHandlerForTest([this] { ++ended_; });  // the next start of the updater
    frmAutoPatcher refused(server_.Url("/update.txt"));
    refused.Form_Load();
    QTest::mouseClick(refused.cmdDone, Qt::LeftButton);
    EXPECT_TRUE(refused.grab().save(folder + "/patchwell_refused.png"));
}

}  // namespace
}  // namespace patchwell
