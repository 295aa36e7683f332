#include "editor/store/ini_files.h"

#include <gtest/gtest.h>

#include <QFile>

#include "tests/support/temp_prefix.h"

namespace kestrane {
namespace {

TEST(ReadFile, NamesTheFileThatIsMissing) {
    test::TempPrefix prefix;
    FileError error;
    EXPECT_FALSE(ReadFile("C:\\UT2004\\System\\User.ini", &error));
    EXPECT_EQ(error.file, "C:\\UT2004\\System\\User.ini");
    EXPECT_NE(error.Message("read").find("User.ini"), std::string::npos);
    prefix.Write("UT2004/System/Empty.ini", "");
    EXPECT_EQ(ReadFile("C:\\UT2004\\System\\empty.ini"), std::string());
}

TEST(SaveINIFiles, AFailedWriteLeavesEachFileOldOrNew) {
    test::TempPrefix prefix;
    prefix.Write("UT2004/System/User.ini", "A=old\r\n");
    prefix.Write("UT2004/System/UT2004.ini", "B=old\r\n");
    IniStore user, ut;
    user.Load("A=new\r\n");
    ut.Load("B=new\r\n");
    const QString utHost = QString::fromStdString(prefix.SystemFolder() + "/UT2004.ini");
    QFile::setPermissions(utHost, QFileDevice::ReadOwner);

    FileError error;
    EXPECT_FALSE(SaveINIFiles("C:\\UT2004\\System\\", user, ut, {}, &error));
    EXPECT_EQ(error.file, "C:\\UT2004\\System\\UT2004.ini");
    EXPECT_EQ(prefix.Read("UT2004/System/User.ini"), "A=new\r\n");
    EXPECT_EQ(prefix.Read("UT2004/System/UT2004.ini"), "B=old\r\n");

    EXPECT_FALSE(SaveINIFiles("C:\\Nowhere\\", user, ut, {}, &error));
    EXPECT_NE(error.file.find("Nowhere"), std::string::npos);
}

TEST(KestraneIni, AMissingKeyIsAddedNotWrittenOverRowZero) {
    test::TempPrefix prefix;
    IniStore k;
    k.Load("Music=ON\r\nCacheDelete=False\r\n");
    EXPECT_EQ(IndexOfKestraneKey(k, "music"), 0u);
    EXPECT_FALSE(IndexOfKestraneKey(k, "ProfileName"));
    SetKestraneValue(k, "ProfileName", "Me");
    SetKestraneValue(k, "MUSIC", "OFF");
    FileError error;
    ASSERT_TRUE(SaveKestraneINI("C:\\Kestrane", k, &error)) << error.reason;
    EXPECT_EQ(prefix.Read("Kestrane/Kestrane.ini"),
              "Music=OFF\r\nCacheDelete=False\r\nProfileName=Me\r\n");
}

}  // namespace
}  // namespace kestrane
