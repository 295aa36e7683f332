// Every real User.ini and UT2004.ini, as stored and as the game writes them (CR LF), survives a
// load and a save with no edits byte for byte: only blank runs collapse.
#include <gtest/gtest.h>

#include "editor/store/ini_files.h"
#include "editor/store/ini_store.h"
#include "editor/store/ini_writer.h"
#include "tests/support/round_trip.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

namespace kestrane {
namespace {

// What the alias boxes hold after a load with no edits: they leave their lines as read.
UserIniExtras AliasBoxesOf(const IniStore&) {
    UserIniExtras extras;
    extras.ttsAliasUntouched = true;
    extras.aliasUntouched = true;
    return extras;
}

void ExpectRoundTrip(const std::string& hostPath, bool user) {
    for (const std::string& original : test::RealFileForms(hostPath)) {
        SCOPED_TRACE(hostPath + (original.find("\r\n") != std::string::npos ? " (CR LF)" : ""));
        IniStore store;
        store.Load(original);
        const std::string written =
            user ? WriteUserIniText(store, AliasBoxesOf(store)) : WriteIniText(store);
        test::ExpectSameLines(test::CollapsedBlankRuns(original), written);
    }
}

TEST(RealFiles, LoadAndSaveKeepEveryLine) {
    const auto users = test::RealUserInis();
    const auto uts = test::RealUt2004Inis();
    if (users.empty() && uts.empty()) GTEST_SKIP() << "no real game files beside the repository";
    for (const auto& path : users) ExpectRoundTrip(path, true);
    for (const auto& path : uts) ExpectRoundTrip(path, false);
}

TEST(RealFiles, SaveThroughTheFilesKeepsBytes) {
    const auto users = test::RealUserInis();
    const auto uts = test::RealUt2004Inis();
    if (users.size() < 1 || uts.size() < 1) GTEST_SKIP() << "no real game files";
    test::TempPrefix prefix;
    // The large 8-bit file, written as the game writes it.
    std::string big;
    for (const auto& p : users) {
        if (p.find("System/User.ini") != std::string::npos) big = p;
    }
    if (big.empty()) big = users.front();
    const std::string userText = test::ToCrLf(test::ReadHostFile(big));
    prefix.Write("UT2004/System/User.ini", userText);
    prefix.Write("UT2004/System/UT2004.ini", test::ToCrLf(test::ReadHostFile(uts.front())));

    IniStore user, ut;
    FileError error;
    ASSERT_TRUE(LoadIniFile(user, "C:\\UT2004\\System\\User.ini", &error)) << error.reason;
    ASSERT_TRUE(LoadIniFile(ut, "C:\\UT2004\\System\\UT2004.ini", &error)) << error.reason;
    EXPECT_GT(user.RowCount(), 5001u);
    ASSERT_TRUE(SaveINIFiles("C:\\UT2004\\System\\", user, ut, AliasBoxesOf(user), &error))
        << error.Message("write");
    EXPECT_EQ(prefix.Read("UT2004/System/User.ini"), WriteUserIniText(user, AliasBoxesOf(user)));
}

}  // namespace
}  // namespace kestrane
