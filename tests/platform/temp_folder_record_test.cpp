// The record of folders temporary copies were made in: read as untrusted, emptied only once the
// folders are clean, and never used to remove a copy another running program is writing.
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

#include "platform/base/file_writer.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"

namespace {

using kestrane::test::ReadHostFile;
using kestrane::test::WriteHostFile;
using platform::CleanUpStrayCopies;
using platform::StrayCleanUp;

constexpr const char* kCopy = "/User.ini.kestrane-tmp-Ab12Cd";

class TempFolderRecordTest : public ::testing::Test {
  protected:
    void TearDown() override { platform::ReleaseTempFolderRecord(); }

    std::string Host(const std::string& rel) const { return dir_.path().toStdString() + "/" + rel; }
    std::string Record() const { return Host("Kestrane Temp Folders.txt"); }
    // A folder holding a copy a killed run left; its host path.
    std::string FolderWithCopy(const std::string& rel) const {
        QDir().mkpath(QString::fromStdString(Host(rel)));
        WriteHostFile(Host(rel) + kCopy, "a full copy");
        return Host(rel);
    }
    static bool HasCopy(const std::string& folder) {
        return QFileInfo::exists(QString::fromStdString(folder + kCopy));
    }
    // A copy made by the writer in `folder`, dropped again: the record notes the folder.
    static void WriteIn(const std::string& folder) {
        platform::FileWriter writer;
        ASSERT_TRUE(writer.Open(folder + "/Made.ini"));
        writer.Cancel();
    }

    QTemporaryDir dir_;
};

// A link, a FIFO or a link to /dev/zero under the record's name: the start neither blocks nor
// grows, and empties or appends to nothing it points to. Without a record to trust it looks
// through the folders it would look through with none.
TEST_F(TempFolderRecordTest, ARecordThatIsNoPlainFileIsNeitherReadNorWritten) {
    const std::string elsewhere = Host("elsewhere.txt");
    const std::string named = FolderWithCopy("Named");
    WriteHostFile(elsewhere, named + "\n");
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::unlink(Record().c_str());
        ::rmdir(Record().c_str());
        ASSERT_TRUE(c.make(Record()));
        const std::string fallback = FolderWithCopy("System");
        EXPECT_EQ(CleanUpStrayCopies(Record(), {}, {fallback}), StrayCleanUp::Done);
        EXPECT_FALSE(HasCopy(fallback));
        WriteIn(FolderWithCopy("Saved"));
        EXPECT_EQ(ReadHostFile(elsewhere), named + "\n");
        EXPECT_TRUE(HasCopy(named));
        struct stat st {};
        ASSERT_EQ(::lstat(Record().c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode));
    }
}

// Only absolute folders count, a CR before the LF dropped: ".", "..", relative lines and a
// path through ".." name nothing, though the working folder holds copies.
TEST_F(TempFolderRecordTest, OnlyAbsoluteFoldersAreTaken) {
    const std::string crLf = FolderWithCopy("CrLf");
    const std::string plain = FolderWithCopy("Plain");
    const std::string work = FolderWithCopy("Work");
    const std::string relative = FolderWithCopy("Work/Relative");
    const std::string kept[] = {work, relative, FolderWithCopy("")};
    WriteHostFile(Record(), crLf + "\r\n.\n..\nRelative\n./Relative\n" + Host("Work/Relative/..") +
                                "\n\r\n" + plain + "\n");
    char* const before = ::getcwd(nullptr, 0);
    ASSERT_EQ(::chdir(work.c_str()), 0);
    EXPECT_EQ(CleanUpStrayCopies(Record(), {}, {}), StrayCleanUp::Done);
    ASSERT_EQ(::chdir(before), 0);
    std::free(before);
    EXPECT_FALSE(HasCopy(crLf));
    EXPECT_FALSE(HasCopy(plain));
    for (const std::string& folder : kept) EXPECT_TRUE(HasCopy(folder)) << folder;
    EXPECT_EQ(ReadHostFile(Record()), "");
}

// A start killed in the middle of its clean-up, with a record and with none yet: the next
// start removes every copy that is left.
TEST_F(TempFolderRecordTest, AStartKilledDuringTheCleanUpLeavesTheRecordForTheNext) {
    constexpr int kFolders = 1500;
    for (const bool recorded : {true, false}) {
        SCOPED_TRACE(recorded ? "record" : "no record yet");
        std::vector<std::string> folders;
        std::string text;
        for (int i = 0; i < kFolders; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "F%04d", i);
            folders.push_back(FolderWithCopy(name));
            text += folders.back() + "\n";
        }
        const std::vector<std::string> withoutRecord =
            recorded ? std::vector<std::string>{} : folders;

        bool killedMidway = false;
        for (int attempt = 0; attempt < 20 && !killedMidway; ++attempt) {
            for (const std::string& folder : folders) WriteHostFile(folder + kCopy, "a full copy");
            ::unlink(Record().c_str());
            if (recorded) WriteHostFile(Record(), text);
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                CleanUpStrayCopies(Record(), {}, withoutRecord);
                ::_exit(0);
            }
            // The folders go in name order: once the first is clean, the child is at work.
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
        EXPECT_EQ(CleanUpStrayCopies(Record(), {}, {}), StrayCleanUp::Done);
        int left = 0;
        for (const std::string& folder : folders) left += HasCopy(folder);
        EXPECT_EQ(left, 0);
        EXPECT_EQ(ReadHostFile(Record()), "");
        platform::ReleaseTempFolderRecord();
    }
}

// While another program holds the record, a start removes nothing and keeps the record: the
// other's copy survives to its rename.
TEST_F(TempFolderRecordTest, AStartWhileAnotherProgramWritesRemovesNothing) {
    const std::string system = Host("System");
    QDir().mkpath(QString::fromStdString(system));
    int ready[2], go[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(go), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CleanUpStrayCopies(Record(), {}, {});
        platform::FileWriter writer;
        const bool opened = writer.Open(system + "/User.ini") && writer.Write("saved");
        char byte = 1;
        bool ok = ::write(ready[1], &byte, 1) == 1 && ::read(go[0], &byte, 1) == 1;
        ok = ok && opened && writer.Commit();
        ::_exit(ok ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(CleanUpStrayCopies(Record(), {{system, 0}}, {}), StrayCleanUp::OtherProgramRunning);
    EXPECT_EQ(kestrane::test::FolderEntries(system).size(), 1u);
    EXPECT_EQ(ReadHostFile(Record()), system + "\n");
    ASSERT_EQ(::write(go[1], &byte, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(kestrane::test::FolderEntries(system), std::vector<std::string>{"User.ini"});
    EXPECT_EQ(ReadHostFile(system + "/User.ini"), "saved");
    // Alone again, the next start cleans and empties the record.
    EXPECT_EQ(CleanUpStrayCopies(Record(), {}, {}), StrayCleanUp::Done);
    EXPECT_EQ(ReadHostFile(Record()), "");
}

}  // namespace
