// The record of folders temporary copies were made in: made whole on every file system, read as
// untrusted, acted on only below the program's own folders, emptied only of folders that are
// clean, and never used to remove a copy another running program may be writing.
#include "platform/base/temp_folder_record.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "platform/base/file_writer.h"
#include "platform/base/own_record.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"

namespace {

using kestrane::test::FailingWrites;
using kestrane::test::FolderEntries;
using kestrane::test::ReadHostFile;
using kestrane::test::SwapSupport;
using kestrane::test::WriteHostFile;
using platform::CleanUpStrayCopies;
using platform::StrayCleanUp;
using platform::WriteStep;

constexpr const char* kCopy = "/User.ini.kestrane-tmp-Ab12Cd";
constexpr const char* kKept = "/Map.ut2.kestrane-old-Ab12Cd";

class TempFolderRecordTest : public ::testing::Test {
  protected:
    void TearDown() override {
        platform::SetWriteFaultForTest(nullptr);
        platform::ReleaseTempFolderRecord();
    }

    // The program folder, holding the record.
    std::string Host(const std::string& rel) const {
        return dir_.path().toStdString() + "/Program" + (rel.empty() ? "" : "/" + rel);
    }
    std::string Game(const std::string& rel) const {
        return dir_.path().toStdString() + "/Game" + (rel.empty() ? "" : "/" + rel);
    }
    std::string Outside(const std::string& rel) const {
        return outside_.path().toStdString() + "/" + rel;
    }
    std::string Record() const { return Host("Kestrane Temp Folders.txt"); }
    // The editor's places: the program folder's first level, the game folder, and the game's
    // System folder where no record was kept yet.
    platform::StrayCopyPlaces Editor() const {
        platform::StrayCopyPlaces places;
        places.programFolder = Host("");
        places.programDepth = 1;
        places.gameFolder = Game("");
        places.withoutRecord = {Game("System")};
        return places;
    }
    platform::StrayCopyPlaces Patchwell() const {
        platform::StrayCopyPlaces places;
        places.programFolder = Host("");
        places.programDepth = 1;
        return places;
    }
    // A folder holding a copy a killed run left.
    static std::string WithCopy(const std::string& folder) {
        QDir().mkpath(QString::fromStdString(folder));
        WriteHostFile(folder + kCopy, "a full copy");
        return folder;
    }
    static bool HasCopy(const std::string& folder) {
        return QFileInfo::exists(QString::fromStdString(folder + kCopy));
    }
    // A copy made by the writer in `folder`, dropped again: the record notes the folder.
    static void WriteIn(const std::string& folder) {
        QDir().mkpath(QString::fromStdString(folder));
        platform::FileWriter writer;
        ASSERT_TRUE(writer.Open(folder + "/Made.ini"));
        writer.Cancel();
    }
    // A start with a record already kept (an empty one: no copy made since).
    void Kept() {
        QDir().mkpath(QString::fromStdString(Host("")));
        WriteHostFile(Record(), "");
    }

    QTemporaryDir dir_, outside_;
};

// The first start makes the record, whole, naming the folders it would look in without one, on
// every file system: where a rename that refuses to replace is refused, by a link; where links
// are refused too, as a new name. It removes nothing (a program that ran without a record may
// be writing), and the next start cleans what the record names.
TEST_F(TempFolderRecordTest, TheRecordIsMadeWholeOnEveryFileSystem) {
    for (const SwapSupport support : kestrane::test::kSwapSupports) {
        SCOPED_TRACE(kestrane::test::Describe(support));
        QDir(QString::fromStdString(Host(""))).removeRecursively();
        QDir(QString::fromStdString(Game(""))).removeRecursively();
        WithCopy(Host(""));
        WithCopy(Game("System"));
        platform::SetWriteFaultForTest([support](WriteStep step, int64_t) {
            return kestrane::test::RefusedBy(support, step);
        });
        EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::NotKnown);
        EXPECT_EQ(ReadHostFile(Record()), Game("System") + "\n");
        struct stat st {};
        ASSERT_EQ(::lstat(Record().c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_nlink, 1u);
        EXPECT_TRUE(HasCopy(Host("")));
        EXPECT_TRUE(HasCopy(Game("System")));
        // The folders a copy is made in from now on go in too.
        WriteIn(Host("Maps/a/b/c"));
        EXPECT_EQ(ReadHostFile(Record()), Game("System") + "\n" + Host("Maps/a/b/c") + "\n");
        platform::ReleaseTempFolderRecord();

        EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::Done);
        EXPECT_FALSE(HasCopy(Host("")));
        EXPECT_FALSE(HasCopy(Game("System")));
        EXPECT_EQ(ReadHostFile(Record()), "");
        EXPECT_EQ(FolderEntries(Host("")),
                  (std::vector<std::string>{"Kestrane Temp Folders.txt", "Maps"}));
        platform::SetWriteFaultForTest(nullptr);
        platform::ReleaseTempFolderRecord();
    }
}

// A record another start made meanwhile is never replaced, on any file system.
TEST_F(TempFolderRecordTest, AMadeRecordNeverReplacesAnother) {
    QDir().mkpath(QString::fromStdString(Host("")));
    for (const SwapSupport support : kestrane::test::kSwapSupports) {
        SCOPED_TRACE(kestrane::test::Describe(support));
        WriteHostFile(Record(), "/another/start's\n");
        platform::SetWriteFaultForTest([support](WriteStep step, int64_t) {
            return kestrane::test::RefusedBy(support, step);
        });
        EXPECT_EQ(platform::MakeOwnRecord(Record(), "/mine\n"), EEXIST);
        EXPECT_EQ(ReadHostFile(Record()), "/another/start's\n");
        EXPECT_EQ(FolderEntries(Host("")), std::vector<std::string>{"Kestrane Temp Folders.txt"});
    }
}

// A link, a FIFO, a link to /dev/zero, a folder or a file with a second name under the record's
// name: the start neither blocks nor grows, writes nothing it points to, and, holding no lock,
// removes no copy.
TEST_F(TempFolderRecordTest, ARecordThatIsNoPlainFileOfItsOwnIsLeftAndNothingRemoved) {
    const std::string elsewhere = Outside("elsewhere.txt");
    const std::string named = WithCopy(Host("Named"));
    const std::string text = named + "\n";
    WriteHostFile(elsewhere, text);
    struct Case {
        const char* what;
        std::function<bool(const std::string&)> make;
    };
    const Case cases[] = {
        {"link to a file",
         [&](const std::string& at) { return ::symlink(elsewhere.c_str(), at.c_str()) == 0; }},
        {"FIFO", [](const std::string& at) { return ::mkfifo(at.c_str(), 0600) == 0; }},
        {"link to /dev/zero",
         [](const std::string& at) { return ::symlink("/dev/zero", at.c_str()) == 0; }},
        {"folder", [](const std::string& at) { return ::mkdir(at.c_str(), 0700) == 0; }},
        {"second name of a file",
         [&](const std::string& at) { return ::link(elsewhere.c_str(), at.c_str()) == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::unlink(Record().c_str());
        ::rmdir(Record().c_str());
        ASSERT_TRUE(c.make(Record()));
        WithCopy(Host(""));
        EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::NotKnown);
        WriteIn(Host("Saved"));
        EXPECT_TRUE(HasCopy(Host("")));
        EXPECT_TRUE(HasCopy(named));
        EXPECT_EQ(ReadHostFile(elsewhere), text);
        struct stat st {};
        ASSERT_EQ(::lstat(Record().c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode) && st.st_nlink == 1);
        platform::ReleaseTempFolderRecord();
    }
}

// Lines are acted on only when, written plainly, they lie below the program folder (where old
// files may be put back) or the game folder (temporary copies only), reached through no link.
// Everything else stays as it is. The editor drops the rest; Patchwell, which does not know the
// game folder, keeps those lines for the editor's start.
TEST_F(TempFolderRecordTest, OnlyFoldersBelowTheProgramsOwnAreLookedIn) {
    struct Line {
        const char* what;
        std::string line;
        std::string folder;  // where its copies lie
        bool cleaned;
    };
    const std::vector<Line> lines = {
        {"below the program folder", Host("Profiles/Me/Backup"), Host("Profiles/Me/Backup"), true},
        {"below the game folder, CR LF", Game("Maps") + "\r", Game("Maps"), true},
        {"with doubled and trailing slashes", Host("Maps//a///b/"), Host("Maps/a/b"), true},
        {"outside", Outside("Home"), Outside("Home"), false},
        {"outside through //", "/" + Outside("Home2"), Outside("Home2"), false},
        {"through ..", Host("Maps/../../Outside"), Outside("Home3"), false},
        {"relative", "Deep/Relative", Host("Deep/Relative"), false},
        {"through a link to outside", Host("Linked"), Outside("Home4"), false},
        {"through a link at a middle part", Host("LinkedMiddle/x"), Outside("Home5/x"), false},
    };
    for (const bool editor : {true, false}) {
        SCOPED_TRACE(editor ? "the editor" : "Patchwell");
        Kept();
        std::string text;
        for (const Line& l : lines) {
            WithCopy(l.folder);
            WriteHostFile(l.folder + kKept, "old map");
            text += l.line + "\n";
        }
        ::symlink(Outside("Home4").c_str(), Host("Linked").c_str());
        ::symlink(Outside("Home5").c_str(), Host("LinkedMiddle").c_str());
        WriteHostFile(Record(), text);
        char* const before = ::getcwd(nullptr, 0);
        ASSERT_EQ(::chdir(Host("").c_str()), 0);
        EXPECT_EQ(CleanUpStrayCopies(Record(), editor ? Editor() : Patchwell()),
                  StrayCleanUp::Done);
        ASSERT_EQ(::chdir(before), 0);
        std::free(before);
        for (const Line& l : lines) {
            const bool cleaned = l.cleaned && (editor || l.folder.starts_with(Host("")));
            EXPECT_EQ(HasCopy(l.folder), !cleaned) << l.what;
            // Only below the program folder is an old file kept aside by Patchwell: there its
            // copy goes (its target is missing, so it is put back); elsewhere it stays.
            const bool program = cleaned && l.folder.starts_with(Host(""));
            EXPECT_EQ(QFileInfo::exists(QString::fromStdString(l.folder + kKept)), !program)
                << l.what;
            EXPECT_EQ(QFileInfo::exists(QString::fromStdString(l.folder + "/Map.ut2")), program)
                << l.what;
        }
        EXPECT_EQ(
            ReadHostFile(Record()),
            editor ? "" : Game("Maps") + "\n" + Outside("Home") + "\n" + Outside("Home2") + "\n");
        platform::ReleaseTempFolderRecord();
        QDir(QString::fromStdString(Host(""))).removeRecursively();
        QDir(QString::fromStdString(Game(""))).removeRecursively();
        QDir(outside_.path()).removeRecursively();
        QDir().mkpath(outside_.path());
    }
}

// Where a copy cannot be removed (the disk fails), the record keeps its folder, and a later
// start finishes the work.
TEST_F(TempFolderRecordTest, AFolderNotYetCleanStaysInTheRecord) {
    for (const int error : {EIO, ENOSPC}) {
        SCOPED_TRACE(error);
        Kept();
        const std::string clean = WithCopy(Host("Maps/a/b/c"));
        const std::string left = WithCopy(Game("System"));
        WriteHostFile(Record(), clean + "\n" + left + "\n");
        {
            // The first removal goes through, the second fails.
            FailingWrites refused(WriteStep::Remove, error, 1);
            EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::Done);
        }
        EXPECT_FALSE(HasCopy(clean));
        EXPECT_TRUE(HasCopy(left));
        EXPECT_EQ(ReadHostFile(Record()), left + "\n");
        platform::ReleaseTempFolderRecord();
        EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::Done);
        EXPECT_FALSE(HasCopy(left));
        EXPECT_EQ(ReadHostFile(Record()), "");
        platform::ReleaseTempFolderRecord();
    }
}

// A start killed in the middle of its clean-up leaves the record for the next, which removes
// every copy that is left.
TEST_F(TempFolderRecordTest, AStartKilledDuringTheCleanUpLeavesTheRecordForTheNext) {
    constexpr int kFolders = 1500;
    Kept();
    std::vector<std::string> folders;
    std::string text;
    for (int i = 0; i < kFolders; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "F%04d", i);
        folders.push_back(WithCopy(Game(name)));
        text += folders.back() + "\n";
    }
    bool killedMidway = false;
    for (int attempt = 0; attempt < 20 && !killedMidway; ++attempt) {
        for (const std::string& folder : folders) WriteHostFile(folder + kCopy, "a full copy");
        WriteHostFile(Record(), text);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CleanUpStrayCopies(Record(), Editor());
            ::_exit(0);
        }
        // The folders go in the record's order: once the first is clean, the child is at work.
        int status = 0;
        pid_t ended = 0;
        while (HasCopy(folders.front()) && (ended = ::waitpid(child, &status, WNOHANG)) == 0) {
        }
        ::kill(child, SIGKILL);
        if (ended == 0) {
            ASSERT_EQ(::waitpid(child, &status, 0), child);
        }
        killedMidway = WIFSIGNALED(status) && HasCopy(folders.back());
    }
    ASSERT_TRUE(killedMidway);
    EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::Done);
    int left = 0;
    for (const std::string& folder : folders) left += HasCopy(folder);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(ReadHostFile(Record()), "");
}

// Another program, as a child: it starts, signals, makes a copy in System that it is still
// writing, and renames it once told to.
class Writer {
  public:
    explicit Writer(std::function<void()> start, const std::string& folder) {
        if (::pipe(ready_) != 0 || ::pipe(go_) != 0) return;
        child_ = ::fork();
        if (child_ != 0) return;
        start();
        platform::FileWriter writer;
        const bool opened = writer.Open(folder + "/User.ini") && writer.Write("saved");
        char byte = 1;
        bool ok = ::write(ready_[1], &byte, 1) == 1 && ::read(go_[0], &byte, 1) == 1;
        ok = ok && opened && writer.Commit();
        ::_exit(ok ? 0 : 1);
    }
    bool Ready() {
        char byte = 0;
        return child_ > 0 && ::read(ready_[0], &byte, 1) == 1;
    }
    // True when the child finished its save.
    bool Finish() {
        char byte = 0;
        int status = 0;
        return ::write(go_[1], &byte, 1) == 1 && ::waitpid(child_, &status, 0) == child_ &&
               WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    ~Writer() {
        for (const int fd : {ready_[0], ready_[1], go_[0], go_[1]}) ::close(fd);
    }

  private:
    int ready_[2] = {-1, -1}, go_[2] = {-1, -1};
    pid_t child_ = -1;
};

// While another program writes, a start removes nothing and keeps the record, however that
// program holds it: by a lock on a record it can write, on one it can only read (another
// user's, or one made read-only), or by a record it made later because none could be made at
// its start. A start where locks are refused removes nothing either.
TEST_F(TempFolderRecordTest, AStartWhileAnotherProgramMayWriteRemovesNothing) {
    const std::string system = Game("System");
    struct Case {
        const char* what;
        std::function<void()> prepare;  // in this process, before the writer starts
        std::function<void()> start;    // the writer's own start
        bool locksRefused;              // for both
        bool noted;                     // the writer could note its folder
        StrayCleanUp result;
    };
    const auto editorStart = [this] { CleanUpStrayCopies(Record(), Editor()); };
    const Case cases[] = {
        {"a record it can write", [this] { Kept(); }, editorStart, false, true,
         StrayCleanUp::OtherProgramRunning},
        {"a record it can only read",
         [this] {
             Kept();
             ASSERT_EQ(::chmod(Record().c_str(), 0444), 0);
             ASSERT_EQ(::chmod(dir_.path().toUtf8().constData(), 0777), 0);
             QDir().mkpath(QString::fromStdString(Game("System")));
             ASSERT_EQ(::chmod(Game("").c_str(), 0777), 0);
             ASSERT_EQ(::chmod(Game("System").c_str(), 0777), 0);
         },
         [this] {
             // Another user, where the tests run as root: mode bits then hold for it.
             if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(3);
             CleanUpStrayCopies(Record(), Editor());
         },
         false, false, StrayCleanUp::OtherProgramRunning},
        {"a record made after its start",
         [this] {
             QDir().mkpath(QString::fromStdString(Host("")));
             ASSERT_EQ(::symlink("/dev/null", Record().c_str()), 0);
         },
         [this] {
             // None could be had at its start; one was made before its copy.
             CleanUpStrayCopies(Record(), Editor());
             ::unlink(Record().c_str());
             Kept();
         },
         false, true, StrayCleanUp::OtherProgramRunning},
        {"locks refused", [this] { Kept(); }, editorStart, true, true, StrayCleanUp::NotKnown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(QString::fromStdString(Host(""))).removeRecursively();
        QDir(QString::fromStdString(Game(""))).removeRecursively();
        c.prepare();
        QDir().mkpath(QString::fromStdString(system));
        const auto refuseLocks = [&] {
            if (!c.locksRefused) return;
            platform::SetWriteFaultForTest(
                [](WriteStep step, int64_t) { return step == WriteStep::Lock ? ENOLCK : 0; });
        };
        Writer writer(
            [&] {
                refuseLocks();
                c.start();
            },
            system);
        ASSERT_TRUE(writer.Ready());
        refuseLocks();
        EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), c.result);
        EXPECT_EQ(FolderEntries(system).size(), 1u);
        EXPECT_TRUE(writer.Finish());
        EXPECT_EQ(FolderEntries(system), std::vector<std::string>{"User.ini"});
        EXPECT_EQ(ReadHostFile(system + "/User.ini"), "saved");
        EXPECT_EQ(ReadHostFile(Record()).find(system + "\n") != std::string::npos, c.noted);
        platform::SetWriteFaultForTest(nullptr);
        platform::ReleaseTempFolderRecord();
        // Alone again, with locks, the next start cleans and empties the record it can write.
        ::chmod(Record().c_str(), 0644);
        EXPECT_EQ(CleanUpStrayCopies(Record(), Editor()), StrayCleanUp::Done);
        EXPECT_EQ(ReadHostFile(Record()), "");
        platform::ReleaseTempFolderRecord();
    }
}

}  // namespace
