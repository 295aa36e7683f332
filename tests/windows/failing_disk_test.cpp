// The editor on a disk that fails its writes, after a run that was killed mid-write, and on
// files it must leave alone: nothing is cut, every failure is told by file and reason.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "editor/store/program_state.h"
#include "editor/store/stray_copies.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/splash_window.h"
#include "editor/windows/main/startup.h"
#include "platform/base/file_writer.h"
#include "platform/base/paths.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;
using Names = std::vector<std::string>;

class FailingDiskTest : public EditorTest {
  protected:
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : responder->Messages()) texts.push_back(m.text);
        return texts;
    }
    Names Entries(const std::string& relativeToDriveC) const {
        return test::FolderEntries(prefix->DriveC() + "/" + relativeToDriveC);
    }
};

// A game file of about `size` bytes: `text` and a long line.
std::string OfSize(const std::string& text, size_t size) {
    const size_t filler = size > text.size() + 20 ? size - text.size() - 20 : 0;
    return text + "[Filler]\r\nLine=" + std::string(filler, 'x') + "\r\n";
}

// The first start with a new profile copies the game's files into it: a disk that fails the
// writes leaves every file as it was and says which file failed and why.
TEST_F(FailingDiskTest, AStartWithANewProfileCutsNothingAndSaysWhy) {
    for (const test::DiskFailure& c : test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        TearDown();
        SetUp();
        const std::string user = OfSize("[DefaultPlayer]\r\nName=Player\r\n", c.size);
        const std::string ut = OfSize(test::kSmallUt2004Ini, c.size);
        Install(user, ut, "Music=OFF\r\nProfileName=BarTest\r\n");
        test::FailingWrites failing(c.step, c.error);
        ASSERT_TRUE(Start());
        const std::string reason = std::string(": ") + c.reason;
        // The game sections, then the profile's copy; the game's User.ini needs no new bytes.
        EXPECT_EQ(Messages(),
                  (Names{"Could not save C:\\UT2004\\System\\UT2004.ini" + reason,
                         "Could not save C:\\Kestrane\\Profiles\\BarTest\\User.ini" + reason}));
        EXPECT_EQ(SystemFile("User.ini"), user);
        EXPECT_EQ(SystemFile("UT2004.ini"), ut);
        EXPECT_EQ(Entries("UT2004/System"), (Names{"UT2004.ini", "User.ini"}));
        EXPECT_EQ(Entries("Kestrane/Profiles/BarTest"), Names{});
    }
}

TEST_F(FailingDiskTest, FileSaveKeepsBothCopiesAndNamesTheFileOnce) {
    for (const test::DiskFailure& c : test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        TearDown();
        SetUp();
        Install(OfSize(test::kSmallUserIni, c.size), test::kSmallUt2004Ini,
                "Music=OFF\r\nProfileName=Me\r\n");
        ASSERT_TRUE(Start());
        const std::string profileUser = ProgramFile("Profiles/Me/User.ini");
        const std::string systemUser = SystemFile("User.ini");
        MainWindow().Controls().SetText({"tbx_Name"}, "Edited");
        test::FailingWrites failing(c.step, c.error);
        Trigger("frmFileSave");
        EXPECT_EQ(Messages(), Names{"Could not save C:\\Kestrane\\Profiles\\Me\\User.ini: " +
                                    std::string(c.reason)});
        EXPECT_EQ(ProgramFile("Profiles/Me/User.ini"), profileUser);
        EXPECT_EQ(SystemFile("User.ini"), systemUser);
        EXPECT_EQ(Entries("Kestrane/Profiles/Me"), (Names{"UT2004.ini", "User.ini"}));
        EXPECT_EQ(MainWindow().Controls().Text({"tbx_Name"}), "Edited");
    }
}

// A run killed between writing its temporary copy and the rename left the copy; the next
// start removes such copies by the writer's own name pattern and nothing else.
TEST_F(FailingDiskTest, TheNextStartRemovesTheCopiesAKilledRunLeft) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    const char* left[] = {
        "UT2004/System/User.ini.kestrane-tmp-Ab12Cd", "UT2004/Maps/DM-Deck.ut2.kestrane-tmp-Qw34Er",
        "UT2004/Cache/cache.ini.kestrane-tmp-Zx56Cv", "Kestrane/Kestrane.ini.kestrane-tmp-Mn78Bv",
        "Kestrane/Profiles/Me/UT2004.ini.kestrane-tmp-Lk90Jh"};
    for (const char* name : left) prefix->Write(name, "a full copy");
    prefix->Write("UT2004/System/User.ini.backup", "the player's own");
    prefix->Write("UT2004/System/User.ini.Ab12Cd", "the player's own");
    prefix->Write("UT2004/Maps/DM-Deck.ut2", "map");
    // The first start makes the record of folders written into, naming the game's, and
    // removes nothing: a program that ran without a record may be writing its copies.
    ASSERT_TRUE(Start());
    for (const char* name : left) {
        EXPECT_TRUE(QFile::exists(QString::fromStdString(prefix->DriveC() + "/" + name))) << name;
    }
    CloseSplash();
    DestroyMainWindow();
    ResetState();
    ASSERT_TRUE(Start());
    EXPECT_EQ(Entries("UT2004/System"),
              (Names{"UT2004.ini", "User.ini", "User.ini.Ab12Cd", "User.ini.backup"}));
    EXPECT_EQ(Entries("UT2004/Maps"), Names{"DM-Deck.ut2"});
    EXPECT_EQ(Entries("UT2004/Cache"), Names{});
    EXPECT_EQ(Entries("Kestrane/Profiles/Me"), (Names{"UT2004.ini", "User.ini"}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(prefix->ProgramFolder() + "/" +
                                                      "Kestrane.ini.kestrane-tmp-Mn78Bv")));
}

// Later starts look in the game's folders only where a copy was made since the last start:
// a Maps folder of many thousands of files is not listed at every start. A copy an export
// killed mid-way left in Maps still goes, as does one a Save As three folders below the
// program folder left, and nothing else does.
TEST_F(FailingDiskTest, AStartRemovesTheCopyAKilledExportLeftAndLooksNowhereElse) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    // The first start makes the record; the second looks through the game's folders once.
    for (int start = 0; start < 2; ++start) {
        ASSERT_TRUE(Start());
        CloseSplash();
        DestroyMainWindow();
        ResetState();
    }
    ASSERT_TRUE(Start());
    prefix->Write("UT2004/Maps/DM-Deck.ut2", "map");
    prefix->Write("UT2004/Maps/DM-Deck.ut2.Ab12Cd", "the player's own");
    prefix->Write("Kestrane/Profiles/Me/Backup/User.ini", "the older backup");
    // Planted by hand where this program made no copy: not looked for.
    prefix->Write("UT2004/Textures/Old.utx.kestrane-tmp-Qw34Er", "not ours to look for");
    // An export into Maps and a Save As, each killed before its rename, in a separate process.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = true;
        platform::FileWriter writers[2];
        const char* targets[] = {"C:\\UT2004\\Maps\\DM-New.ut2",
                                 "C:\\Kestrane\\Profiles\\Me\\Backup\\User.ini"};
        for (int i = 0; i < 2; ++i) {
            ok = ok && writers[i].OpenWindowsPath(targets[i]) && writers[i].Write("half a file");
        }
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_EQ(Entries("UT2004/Maps").size(), 3u);
    ASSERT_EQ(Entries("Kestrane/Profiles/Me/Backup").size(), 2u);

    CloseSplash();
    DestroyMainWindow();
    ResetState();
    ASSERT_TRUE(Start());
    EXPECT_EQ(Entries("UT2004/Maps"), (Names{"DM-Deck.ut2", "DM-Deck.ut2.Ab12Cd"}));
    EXPECT_EQ(Entries("Kestrane/Profiles/Me/Backup"), Names{"User.ini"});
    EXPECT_EQ(ProgramFile("Profiles/Me/Backup/User.ini"), "the older backup");
    EXPECT_EQ(Entries("UT2004/Textures"), Names{"Old.utx.kestrane-tmp-Qw34Er"});
}

// Two editors at once: one is saving User.ini (its copy written, not yet renamed) when the
// other starts. The start removes nothing, the save goes through, and no copy stays.
TEST_F(FailingDiskTest, AnEditorStartingWhileAnotherSavesLeavesItsCopyAlone) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "Music=OFF\r\nProfileName=Me\r\n");
    const std::string saved = std::string(test::kSmallUserIni) + "[Saved]\r\nBy=First\r\n";
    int ready[2], go[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(go), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The first editor: its start's clean-up, then a save held between copy and rename.
        RemoveStrayCopies(platform::ProgramFolder(), "C:\\UT2004\\");
        platform::FileWriter writer;
        bool ok = writer.OpenWindowsPath("C:\\UT2004\\System\\User.ini") && writer.Write(saved);
        char byte = 1;
        ok = ::write(ready[1], &byte, 1) == 1 && ::read(go[0], &byte, 1) == 1 && ok;
        ::_exit(ok && writer.Commit() ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Entries("UT2004/System").size(), 3u);
    ASSERT_EQ(::write(go[1], &byte, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Entries("UT2004/System"), (Names{"UT2004.ini", "User.ini"}));
    EXPECT_EQ(SystemFile("User.ini"), saved);
    for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);
}

// A UT2004.ini the game may read as UTF-16, one with NUL bytes, or a file whose lines end in
// a CR alone (read as one line) is not text the editor can keep line for line: a start with
// a profile would append sections to it. It is told by name and left byte for byte.
TEST_F(FailingDiskTest, AGameFileTheEditorCannotReadAsLinesIsToldAndLeftAlone) {
    std::string utf16 = "\xFF\xFE";
    for (char ch : std::string(test::kSmallUt2004Ini)) {
        utf16 += ch;
        utf16 += '\0';
    }
    const std::string crOnly =
        "[Engine.Engine]\rRenderDevice=D3DDrv.D3DRenderDevice\r\r"
        "[DefaultPlayer]\rName=Player\r";
    const char* kCrOnly =
        "its lines end in a CR alone, without an LF, so the editor would read it as one line; it "
        "was left as it is";
    struct Case {
        const char* what;
        const char* file;
        std::string bytes;
        const char* says;  // after "Could not read C:\UT2004\System\<file>: "
    };
    const Case cases[] = {
        {"UTF-16", "UT2004.ini", utf16,
         "it is UTF-16 text (it begins with a UTF-16 byte-order mark), not the 8-bit text the "
         "editor reads and writes; it was left as it is"},
        {"random bytes", "UT2004.ini", std::string("\x8f\x00\x13\xfe\x00\x41", 6),
         "it holds NUL bytes, so it is not 8-bit text; it was left as it is"},
        {"CR line ends", "UT2004.ini", crOnly, kCrOnly},
        {"CR line ends in User.ini", "User.ini", crOnly, kCrOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const bool user = std::string(c.file) == "User.ini";
        Install(user ? c.bytes : test::kSmallUserIni, user ? test::kSmallUt2004Ini : c.bytes,
                "Music=OFF\r\nProfileName=Me\r\n");
        EXPECT_FALSE(Start());
        EXPECT_EQ(Messages(), Names{std::string("Could not read C:\\UT2004\\System\\") + c.file +
                                    ": " + c.says});
        EXPECT_EQ(SystemFile(c.file), c.bytes);
        EXPECT_EQ(SystemFile(user ? "UT2004.ini" : "User.ini"),
                  user ? test::kSmallUt2004Ini : test::kSmallUserIni);
        EXPECT_EQ(Entries("Kestrane/Profiles/Me"), Names{});
    }

    // An empty file is text: it takes the game sections. So does a CR LF file with a stray CR
    // inside a value, which stays in its line.
    for (const std::string& ut :
         {std::string(), std::string(test::kSmallUt2004Ini) + "Odd=a\rb\r\n"}) {
        TearDown();
        SetUp();
        Install(test::kSmallUserIni, ut, "Music=OFF\r\nProfileName=Me\r\n");
        ASSERT_TRUE(Start());
        EXPECT_TRUE(Messages().empty());
        EXPECT_TRUE(SystemFile("UT2004.ini").starts_with(ut));
        EXPECT_NE(SystemFile("UT2004.ini").find("[UT2k4Assault.ASGameInfo]"), std::string::npos);
    }
}

TEST_F(FailingDiskTest, AKestraneIniLinkThatLoopsIsToldAndLeftAlone) {
    Install(test::kSmallUserIni, test::kSmallUt2004Ini, "");
    const QString link = QString::fromStdString(prefix->ProgramFolder() + "/Kestrane.ini");
    ASSERT_TRUE(QFile::link(link, link));
    EXPECT_FALSE(Start());
    EXPECT_EQ(Messages(), Names{"Could not read C:\\Kestrane\\Kestrane.ini: it is a link that "
                                "loops or leads nowhere. It was left as it is."});
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), link);
}

// Kestrane.ini is the editor's own: a link to a file elsewhere, a FIFO, a link to an endless
// device or a file far larger than its keys is named at the start, neither read (nothing
// blocks, nothing grows) nor written, and left as it is.
TEST_F(FailingDiskTest, AKestraneIniThatIsNoPlainFileOfItsOwnIsToldAndLeftAlone) {
    const std::string tail = ". It was left as it is.";
    const std::string head = "Could not read C:\\Kestrane\\Kestrane.ini: ";
    const struct {
        const char* what;
        std::string message;
    } cases[] = {
        {"link",
         head + "it is a link, and the program reads its own files only as plain files" + tail},
        {"fifo", head + "it is not a file" + tail},
        {"zero",
         head + "it is a link, and the program reads its own files only as plain files" + tail},
        {"large",
         head + "it is larger than the 1048576 bytes the program's own settings can take" + tail},
        {"hard link",
         head +
             "it has a second name (a hard link), and the program reads its own files only as "
             "files of their own" +
             tail},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        Install(test::kSmallUserIni, test::kSmallUt2004Ini, "");
        const std::string path = prefix->ProgramFolder() + "/Kestrane.ini";
        const std::string elsewhere = prefix->ProgramFolder() + "/../Elsewhere.ini";
        const std::string large = "Music=OFF\r\n" + std::string(1 << 20, ';');
        if (std::string_view(c.what) == "link") {
            prefix->Write("Elsewhere.ini", "Music=OFF\r\nProfileName=Me\r\n");
            ASSERT_TRUE(
                QFile::link(QString::fromStdString(elsewhere), QString::fromStdString(path)));
        } else if (std::string_view(c.what) == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else if (std::string_view(c.what) == "zero") {
            ASSERT_TRUE(QFile::link("/dev/zero", QString::fromStdString(path)));
        } else if (std::string_view(c.what) == "hard link") {
            prefix->Write("Elsewhere.ini", "Music=OFF\r\nProfileName=Me\r\n");
            ASSERT_EQ(::link(elsewhere.c_str(), path.c_str()), 0);
        } else {
            prefix->Write("Kestrane/Kestrane.ini", large);
        }
        EXPECT_FALSE(Start()) << c.what;
        EXPECT_EQ(Messages(), Names{c.message}) << c.what;
        if (std::string_view(c.what) == "link" || std::string_view(c.what) == "hard link") {
            EXPECT_EQ(prefix->Read("Elsewhere.ini"), "Music=OFF\r\nProfileName=Me\r\n");
        } else if (std::string_view(c.what) == "large") {
            EXPECT_EQ(ProgramFile("Kestrane.ini"), large);
        }
    }
}

}  // namespace
}  // namespace kestrane
