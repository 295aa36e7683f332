#include "platform/base/paths.h"

#include <gtest/gtest.h>

#include <QDir>

#include "platform/base/files.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

namespace {

using kestrane::test::TempPrefix;

TEST(Paths, DriveLettersGoThroughThePrefixAndCaseIsMatched) {
    TempPrefix prefix;
    prefix.Write("UT2004/System/User.ini", "x");
    EXPECT_EQ(platform::ToHostPath("C:\\UT2004\\System\\User.ini"),
              prefix.DriveC() + "/UT2004/System/User.ini");
    EXPECT_EQ(platform::ToHostPath("c:\\ut2004\\SYSTEM\\\\user.INI"),
              prefix.DriveC() + "/UT2004/System/User.ini");
    // Components that do not exist yet keep their spelling.
    EXPECT_EQ(platform::ToHostPath("C:\\UT2004\\New\\A.ini"), prefix.DriveC() + "/UT2004/New/A.ini");
    EXPECT_EQ(platform::ToHostPath("Z:\\tmp"), "/tmp");
    EXPECT_EQ(platform::ToHostPath("Q:\\nowhere"), "");
}

TEST(Paths, HostPathsMapBackToTheirDrive) {
    TempPrefix prefix;
    EXPECT_EQ(platform::ToWindowsPath(prefix.DriveC() + "/UT2004/System"), "C:\\UT2004\\System");
    EXPECT_EQ(platform::ToWindowsPath("/usr/share"), "Z:\\usr\\share");
    EXPECT_EQ(platform::ProgramFolder(), "C:\\Kestrane");
}

TEST(Files, WritesReplaceWholeAndFailuresLeaveTheOriginal) {
    TempPrefix prefix;
    std::string error;
    ASSERT_TRUE(platform::WriteBytesAtomic("C:\\UT2004\\System\\User.ini", "new", &error)) << error;
    std::string bytes;
    ASSERT_TRUE(platform::ReadBytes("C:\\UT2004\\System\\user.ini", bytes, &error));
    EXPECT_EQ(bytes, "new");

    EXPECT_FALSE(platform::WriteBytesAtomic("C:\\Missing\\User.ini", "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(platform::ReadBytes("C:\\Missing\\User.ini", bytes, &error));

    const QString host = QString::fromStdString(prefix.SystemFolder() + "/User.ini");
    QFile::setPermissions(host, QFileDevice::ReadOwner);
    EXPECT_FALSE(platform::WriteBytesAtomic("C:\\UT2004\\System\\User.ini", "other", &error));
    ASSERT_TRUE(platform::ReadBytes("C:\\UT2004\\System\\User.ini", bytes, &error));
    EXPECT_EQ(bytes, "new");
}

// A read goes straight into the string, sized by the file: every byte of a large file and of
// an empty one comes back, and a failed read leaves what the string held.
TEST(Files, ReadsGiveEveryByteAndFailuresLeaveTheString) {
    TempPrefix prefix;
    std::string large;
    for (int i = 0; i < 300000; ++i) large.push_back(static_cast<char>(i * 7 % 256));
    for (const std::string& content : {large, std::string(), std::string("a\0b\r\n", 5)}) {
        prefix.Write("UT2004/System/User.ini", content);
        std::string bytes = "old";
        ASSERT_TRUE(platform::ReadBytes("C:\\UT2004\\System\\User.ini", bytes));
        EXPECT_EQ(bytes.size(), content.size());
        EXPECT_TRUE(bytes == content);
    }
    std::string bytes = "kept";
    std::string error;
    EXPECT_FALSE(platform::ReadBytes("C:\\UT2004\\System", bytes, &error));  // a folder
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(bytes, "kept");
}

}  // namespace
