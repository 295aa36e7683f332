#include "platform/base/folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/base/files.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

namespace {

using kestrane::test::TempPrefix;

bool HostExists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

TEST(MakeDirectory, GivesTheWindowsCodes) {
    TempPrefix prefix;
    prefix.Write("Kestrane/Profiles/Old/User.ini", "keep");
    prefix.Write("Kestrane/AFile", "x");
    struct Case {
        const char* path;
        int32_t code;
    };
    const Case cases[] = {
        {"C:\\Kestrane\\Profiles\\Work", 0},
        {"C:\\Kestrane\\Profiles\\Trailing\\", 0},
        {"C:\\Kestrane\\Profiles\\work", 183},  // the folder Work, in other letter case
        {"C:\\Kestrane\\Profiles\\Old", 183},
        {"C:\\Kestrane\\AFile", 183},
        {"C:\\Kestrane\\Missing\\Work", 3},
        {"C:\\Kestrane\\AFile\\Work", 3},
        {"Q:\\Work", 3},
        {"C:\\Kestrane\\Profiles\\What?", 123},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::MakeDirectory(c.path), c.code) << c.path;
    }
    EXPECT_TRUE(platform::FolderExists("C:\\Kestrane\\Profiles\\Work"));
    EXPECT_TRUE(platform::FolderExists("C:\\Kestrane\\Profiles\\Trailing"));
    EXPECT_EQ(prefix.Read("Kestrane/Profiles/Old/User.ini"), "keep");
    EXPECT_FALSE(HostExists(prefix.DriveC() + "/Kestrane/Profiles/What?"));
}

TEST(MakeDirectory, AccessDeniedIsFive) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempPrefix prefix;
    const QString locked = QString::fromStdString(prefix.DriveC() + "/Locked");
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(platform::MakeDirectory("C:\\Locked\\Work"), 5);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(DeleteFolderTree, DeletesEverythingWithOrWithoutBackslash) {
    for (const std::string path :
         {"C:\\Kestrane\\Profiles\\Work", "C:\\Kestrane\\Profiles\\work\\"}) {
        TempPrefix prefix;
        prefix.Write("Kestrane/Profiles/Work/User.ini", "a");
        prefix.Write("Kestrane/Profiles/Work/Sub/Deep/.hidden", "b");
        const QString readOnly =
            QString::fromStdString(prefix.DriveC() + "/Kestrane/Profiles/Work/Sub/Deep/.hidden");
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
        const QString readOnlyFolder =
            QString::fromStdString(prefix.DriveC() + "/Kestrane/Profiles/Work/Sub");
        QFile::setPermissions(readOnlyFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        prefix.Write("Kestrane/Profiles/Other/User.ini", "keep");

        EXPECT_TRUE(platform::DeleteFolderTree(path)) << path;
        EXPECT_FALSE(HostExists(prefix.DriveC() + "/Kestrane/Profiles/Work")) << path;
        EXPECT_EQ(prefix.Read("Kestrane/Profiles/Other/User.ini"), "keep");
    }
}

TEST(DeleteFolderTree, RefusesFilesMissingPathsAndDriveRoots) {
    TempPrefix prefix;
    prefix.Write("Kestrane/Profiles/User.ini", "keep");
    EXPECT_FALSE(platform::DeleteFolderTree("C:\\Kestrane\\Profiles\\User.ini"));
    EXPECT_FALSE(platform::DeleteFolderTree("C:\\Kestrane\\Profiles\\Missing"));
    EXPECT_FALSE(platform::DeleteFolderTree("C:\\Kestrane\\Profiles\\Missing\\"));
    EXPECT_FALSE(platform::DeleteFolderTree("C:\\"));
    EXPECT_FALSE(platform::DeleteFolderTree("C:"));
    EXPECT_FALSE(platform::DeleteFolderTree("C:\\.."));
    EXPECT_FALSE(platform::DeleteFolderTree(""));
    EXPECT_EQ(prefix.Read("Kestrane/Profiles/User.ini"), "keep");
}

// A link inside the tree goes, the folder it points to stays.
TEST(DeleteFolderTree, DoesNotFollowLinks) {
    TempPrefix prefix;
    prefix.Write("Outside/Precious.txt", "keep");
    prefix.Write("Kestrane/Profiles/Work/User.ini", "a");
    ASSERT_TRUE(QFile::link(QString::fromStdString(prefix.DriveC() + "/Outside"),
                            QString::fromStdString(prefix.DriveC() + "/Kestrane/Profiles/Work/L")));
    EXPECT_TRUE(platform::DeleteFolderTree("C:\\Kestrane\\Profiles\\Work"));
    EXPECT_EQ(prefix.Read("Outside/Precious.txt"), "keep");
}

TEST(FolderListing, FilesAndSubfoldersByNameWithoutCase) {
    TempPrefix prefix;
    prefix.Write("UT2004/Maps/b.ut2", "");
    prefix.Write("UT2004/Maps/A.ut2", "");
    prefix.Write("UT2004/Maps/C.ut2", "");
    prefix.Write("UT2004/Maps/Sub/x", "");
    using Names = std::vector<std::string>;
    EXPECT_EQ(platform::ListFiles("C:\\UT2004\\maps\\"), (Names{"A.ut2", "b.ut2", "C.ut2"}));
    EXPECT_EQ(platform::ListSubfolders("C:\\UT2004\\Maps"), (Names{"Sub"}));
    EXPECT_TRUE(platform::ListFiles("C:\\UT2004\\Nothing").empty());
}

TEST(RemoveFile, DeletesFilesOnly) {
    TempPrefix prefix;
    prefix.Write("UT2004/Cache/A.uxx", "x");
    QFile::setPermissions(QString::fromStdString(prefix.GameFolder() + "/Cache/A.uxx"),
                          QFileDevice::ReadOwner);
    EXPECT_TRUE(platform::RemoveFile("C:\\UT2004\\Cache\\a.uxx"));
    EXPECT_FALSE(platform::FileExists("C:\\UT2004\\Cache\\A.uxx"));
    EXPECT_FALSE(platform::RemoveFile("C:\\UT2004\\Cache\\A.uxx"));
    EXPECT_FALSE(platform::RemoveFile("C:\\UT2004\\Cache"));
    EXPECT_TRUE(platform::FolderExists("C:\\UT2004\\Cache"));
}

TEST(CopyFile, ReplacesOrRefusesAnExistingTarget) {
    TempPrefix prefix;
    prefix.Write("UT2004/Cache/A.uxx", "package");
    prefix.Write("UT2004/Maps/Old.ut2", "old");
    EXPECT_TRUE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Maps\\New.ut2", true));
    EXPECT_EQ(prefix.Read("UT2004/Maps/New.ut2"), "package");

    EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Maps\\old.ut2", true));
    EXPECT_EQ(prefix.Read("UT2004/Maps/Old.ut2"), "old");
    EXPECT_TRUE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Maps\\old.ut2", false));
    EXPECT_EQ(prefix.Read("UT2004/Maps/Old.ut2"), "package");

    EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\Missing", "C:\\UT2004\\Maps\\M", false));
    EXPECT_FALSE(platform::FileExists("C:\\UT2004\\Maps\\M"));
    EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\NoFolder\\A", false));
    EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Maps", false));
    EXPECT_FALSE(platform::CopyFile("C:\\UT2004\\Cache\\A.uxx", "C:\\UT2004\\Cache\\A.uxx", false));
    EXPECT_EQ(prefix.Read("UT2004/Cache/A.uxx"), "package");
}

}  // namespace
