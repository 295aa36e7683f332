// Whole-file writes under failing disks: every step checked, the old file kept, the reason told.
#include "platform/base/file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>

#include "platform/base/files.h"
#include "platform/base/folders.h"
#include "tests/support/failing_writes.h"
#include "tests/support/temp_prefix.h"

namespace {

using kestrane::test::FailingWrites;
using kestrane::test::FolderEntries;
using kestrane::test::TempPrefix;
using platform::WriteStep;
using Names = std::vector<std::string>;

// Larger than one write block, so the file goes out in a write and then the final flush.
const std::string kNew(200 * 1024, 'n');

TEST(WriteBytesAtomic, EachFailingStepKeepsTheOldFileAndGivesTheSystemsReason) {
    struct Case {
        WriteStep step;
        int error;
        const char* reason;
    };
    const Case cases[] = {
        {WriteStep::Create, EACCES, "Permission denied"},
        {WriteStep::Write, ENOSPC, "No space left on device"},
        {WriteStep::Flush, EFBIG, "File too large"},
        {WriteStep::Sync, EIO, "Input/output error"},
        {WriteStep::Close, EIO, "Input/output error"},
        {WriteStep::Rename, EXDEV, "Invalid cross-device link"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        TempPrefix prefix;
        prefix.Write("UT2004/System/User.ini", "old");
        FailingWrites failing(c.step, c.error);
        std::string error;
        EXPECT_FALSE(platform::WriteBytesAtomic("C:\\UT2004\\System\\User.ini", kNew, &error));
        EXPECT_EQ(failing.Failed(), 1);
        EXPECT_EQ(error, c.reason);
        EXPECT_EQ(prefix.Read("UT2004/System/User.ini"), "old");
        EXPECT_EQ(FolderEntries(prefix.SystemFolder()), Names{"User.ini"});
    }
}

// The folder sync comes after the rename (the seam sees the order); when it fails the new file
// is in place and the message says so rather than "unchanged".
TEST(WriteBytesAtomic, SyncsTheFolderAfterTheRename) {
    TempPrefix prefix;
    prefix.Write("UT2004/System/User.ini", "old");
    std::vector<WriteStep> steps;
    platform::SetWriteFaultForTest([&](WriteStep step, int64_t) {
        steps.push_back(step);
        return step == WriteStep::SyncFolder ? EIO : 0;
    });
    std::string error;
    EXPECT_FALSE(platform::WriteBytesAtomic("C:\\UT2004\\System\\User.ini", kNew, &error));
    platform::SetWriteFaultForTest(nullptr);
    EXPECT_EQ(steps, (std::vector<WriteStep>{WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                                             WriteStep::Sync, WriteStep::Close, WriteStep::Rename,
                                             WriteStep::SyncFolder}));
    EXPECT_EQ(error,
              "Input/output error (the new file is in place, but its folder could not be synced "
              "to disk)");
    EXPECT_EQ(prefix.Read("UT2004/System/User.ini"), kNew);
    EXPECT_EQ(FolderEntries(prefix.SystemFolder()), Names{"User.ini"});
}

// A real file-size limit, as a full disk gives it: the final flush is cut at 8 KB.
TEST(WriteBytesAtomic, AFileSizeLimitFailsTheFinalFlush) {
    TempPrefix prefix;
    const std::string old(3000, 'o');
    prefix.Write("UT2004/System/User.ini", old);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, 8192};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool ok = platform::WriteBytesAtomic("C:\\UT2004\\System\\User.ini",
                                                   std::string(15 * 1024, 'n'), &error);
        const ssize_t sent = write(pipeEnds[1], error.data(), error.size());
        _exit(ok || sent < 0 ? 1 : 0);
    }
    close(pipeEnds[1]);
    char reason[256] = {};
    const ssize_t got = read(pipeEnds[0], reason, sizeof reason - 1);
    close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(std::string(reason, got > 0 ? static_cast<size_t>(got) : 0), "File too large");
    EXPECT_EQ(prefix.Read("UT2004/System/User.ini"), old);
    EXPECT_EQ(FolderEntries(prefix.SystemFolder()), Names{"User.ini"});
}

TEST(WriteBytesAtomic, WritesThroughALinkAndRefusesOneThatLoops) {
    TempPrefix prefix;
    prefix.Write("Saved/User.ini", "old");
    const std::string system = prefix.SystemFolder();
    ASSERT_TRUE(QFile::link(QString::fromStdString(prefix.DriveC() + "/Saved/User.ini"),
                            QString::fromStdString(system + "/User.ini")));
    ASSERT_TRUE(platform::WriteBytesAtomic("C:\\UT2004\\System\\User.ini", "new"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(system + "/User.ini")).isSymLink());
    EXPECT_EQ(prefix.Read("Saved/User.ini"), "new");

    const QString loop = QString::fromStdString(system + "/Kestrane.ini");
    ASSERT_TRUE(QFile::link(loop, loop));
    std::string error;
    EXPECT_FALSE(platform::WriteBytesAtomic("C:\\UT2004\\System\\Kestrane.ini", "x", &error));
    EXPECT_EQ(error, "it is a link that loops or leads nowhere");
    EXPECT_EQ(QFileInfo(loop).symLinkTarget(), loop);
    EXPECT_EQ(FolderEntries(system), (Names{"Kestrane.ini", "User.ini"}));
}

TEST(CopyFile, AFailedCopyLeavesNoTargetAndSaysWhy) {
    for (WriteStep step : {WriteStep::Write, WriteStep::Flush}) {
        TempPrefix prefix;
        prefix.Write("UT2004/Cache/A.uxx", std::string(100 * 1024, 'p'));
        prefix.Write("UT2004/Maps/Old.ut2", "old");
        FailingWrites failing(step, ENOSPC);
        std::string error;
        EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Maps\\New.ut2",
                                        false, &error));
        EXPECT_EQ(error, "No space left on device");
        EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Maps\\Old.ut2",
                                        false, &error));
        EXPECT_EQ(prefix.Read("UT2004/Maps/Old.ut2"), "old");
        EXPECT_EQ(FolderEntries(prefix.GameFolder() + "/Maps"), Names{"Old.ut2"});
    }
}

// Only the writer's own temporary names go; a backup, a look-alike, a folder or a link stays.
TEST(RemoveStrayTempFiles, RemovesOnlyTheWritersOwnTemporaryFiles) {
    TempPrefix prefix;
    const char* gone[] = {"User.ini.kestrane-tmp-Ab12Cd",
                          "Profiles/Me/UT2004.ini.kestrane-tmp-zz9ZZ9"};
    const char* kept[] = {"User.ini",
                          "User.ini.backup",
                          "User.ini.Ab12Cd",
                          "User.ini.kestrane-tmp-Ab12C",
                          "User.ini.kestrane-tmp-Ab12Cde",
                          "User.ini.kestrane-tmp-Ab_2Cd",
                          ".kestrane-tmp-Ab12Cd",
                          "Profiles/Me/Deep/Down/x.kestrane-tmp-Ab12Cd"};
    for (const char* name : gone) prefix.Write(std::string("Kestrane/") + name, "partial");
    for (const char* name : kept) prefix.Write(std::string("Kestrane/") + name, "keep");
    const std::string folder = prefix.ProgramFolder();
    ASSERT_TRUE(QFile::link(QString::fromStdString(folder + "/User.ini"),
                            QString::fromStdString(folder + "/Link.kestrane-tmp-Ab12Cd")));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder + "/Folder.kestrane-tmp-Ab12Cd")));
    // A link to a folder elsewhere is not gone into.
    prefix.Write("Elsewhere/User.ini.kestrane-tmp-Ab12Cd", "not ours to look at");
    ASSERT_TRUE(QFile::link(QString::fromStdString(prefix.DriveC() + "/Elsewhere"),
                            QString::fromStdString(folder + "/Profiles/Linked")));

    EXPECT_EQ(platform::RemoveStrayTempFiles("C:\\Kestrane", 2), 2);
    for (const char* name : gone)
        EXPECT_FALSE(QFile::exists(QString::fromStdString(folder + "/" + name))) << name;
    for (const char* name : kept) EXPECT_EQ(prefix.Read(std::string("Kestrane/") + name), "keep");
    EXPECT_TRUE(
        QFileInfo(QString::fromStdString(folder + "/Link.kestrane-tmp-Ab12Cd")).isSymLink());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder + "/Folder.kestrane-tmp-Ab12Cd")).isDir());
    EXPECT_EQ(prefix.Read("Elsewhere/User.ini.kestrane-tmp-Ab12Cd"), "not ours to look at");
}

// The writer's names: its temporary copies and the old files it keeps where the swap is
// refused; a look-alike is neither.
TEST(ClassifyOwnFileName, TellsTemporaryCopiesFromKeptOldFiles) {
    using platform::OwnFileKind;
    const std::pair<const char*, OwnFileKind> cases[] = {
        {"User.ini.kestrane-tmp-Ab12Cd", OwnFileKind::Temp},
        {"Map.ut2.kestrane-old-x9Y8z7", OwnFileKind::KeptOld},
        {"a.kestrane-tmp-Ab12Cd.kestrane-old-Ab12Cd", OwnFileKind::KeptOld},
        {"Map.ut2", OwnFileKind::None},
        {".kestrane-old-Ab12Cd", OwnFileKind::None},
        {"Map.ut2.kestrane-old-Ab12C", OwnFileKind::None},
        {"Map.ut2.kestrane-old-Ab12Cde", OwnFileKind::None},
        {"Map.ut2.kestrane-old-Ab_2Cd", OwnFileKind::None},
        {"Map.ut2.kestrane-OLD-Ab12Cd", OwnFileKind::None},
        {"Map.ut2.kestrane-old-Ab12Cd.ut2", OwnFileKind::None},
    };
    for (const auto& [name, kind] : cases) {
        EXPECT_EQ(platform::ClassifyOwnFileName(name), kind) << name;
        EXPECT_EQ(platform::IsOwnTempFileName(name), kind != OwnFileKind::None) << name;
    }
}

// A kept old file beside its target is a leftover and goes; one whose target is missing is
// the only copy of that file and takes its place again.
TEST(RemoveStrayTempFiles, PutsBackAKeptOldFileWhoseTargetIsMissing) {
    TempPrefix prefix;
    prefix.Write("Kestrane/Map.ut2", "new map");
    prefix.Write("Kestrane/Map.ut2.kestrane-old-Ab12Cd", "old map");
    prefix.Write("Kestrane/Pack.ut2.kestrane-old-Zz9Zz9", "old pack");
    prefix.Write("Kestrane/Pack.ut2.kestrane-tmp-Qq1Qq1", "new pack");
    prefix.Write("Kestrane/Maps/Deep.ut2.kestrane-old-Ab12Cd", "old deep");
    EXPECT_EQ(platform::RemoveStrayTempFiles("C:\\Kestrane", 1), 4);
    EXPECT_EQ(prefix.Read("Kestrane/Map.ut2"), "new map");
    EXPECT_EQ(prefix.Read("Kestrane/Pack.ut2"), "old pack");
    EXPECT_EQ(prefix.Read("Kestrane/Maps/Deep.ut2"), "old deep");
    EXPECT_EQ(FolderEntries(prefix.ProgramFolder()), (Names{"Map.ut2", "Maps", "Pack.ut2"}));
    EXPECT_EQ(FolderEntries(prefix.ProgramFolder() + "/Maps"), Names{"Deep.ut2"});
}

// Where the swap is refused and the link is refused too, in each way a file system says so, the
// old file is set aside by a rename: placed, the new file is in; put back, the old one is.
TEST(FileWriter, WhereLinksAreRefusedTheOldFileIsSetAsideAndPutBack) {
    for (const int refusal : {EPERM, EACCES, ENOTSUP, EMLINK}) {
        SCOPED_TRACE(refusal);
        TempPrefix prefix;
        prefix.Write("Kestrane/Map.ut2", "old map");
        platform::SetWriteFaultForTest([refusal](WriteStep step, int64_t) {
            return step == WriteStep::Exchange ? EINVAL : step == WriteStep::Link ? refusal : 0;
        });
        platform::FileWriter writer;
        ASSERT_TRUE(writer.Open(prefix.ProgramFolder() + "/Map.ut2"));
        ASSERT_TRUE(writer.Write("new map") && writer.Finish() && writer.Sync());
        EXPECT_TRUE(writer.Place()) << writer.Error();
        EXPECT_EQ(prefix.Read("Kestrane/Map.ut2"), "new map");
        EXPECT_TRUE(writer.Unplace());
        platform::SetWriteFaultForTest({});
        EXPECT_EQ(prefix.Read("Kestrane/Map.ut2"), "old map");
        EXPECT_EQ(FolderEntries(prefix.ProgramFolder()), Names{"Map.ut2"});
    }
}

}  // namespace
