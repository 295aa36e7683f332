// Every real User.ini and UT2004.ini, taken as the game writes them (CR LF), survives a load
// and a save with no edits: only blank runs collapse.
#include <gtest/gtest.h>

#include "editor/store/ini_files.h"
#include "editor/store/ini_store.h"
#include "editor/store/ini_writer.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

namespace kestrane {
namespace {

std::vector<std::string> CollapsedBlankRuns(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (line.empty() && !out.empty() && out.back().empty()) continue;
        out.push_back(line);
    }
    return out;
}

// What the alias boxes hold after a load with no edits: the file's own alias lines.
UserIniExtras AliasBoxesOf(const IniStore& store) {
    UserIniExtras extras;
    auto append = [](std::string& box, const std::string& line) {
        if (!box.empty()) box += "\r\n";
        box += line;
    };
    for (size_t i = 0; i < store.RowCount(); ++i) {
        if (store.Kind(i) == RowKind::Odd) continue;
        const std::string& key = store.Key(i);
        if (key == "Aliases") {
            append(extras.ttsAliasText, store.Lines()[i]);
        } else if (key.find("liases[") != std::string::npos) {
            append(extras.aliasText, store.Lines()[i]);
        }
    }
    return extras;
}

void ExpectRoundTrip(const std::string& hostPath, bool user) {
    SCOPED_TRACE(hostPath);
    const std::string original = test::ToCrLf(test::ReadHostFile(hostPath));
    IniStore store;
    store.Load(original);
    const std::string written =
        user ? WriteUserIniText(store, AliasBoxesOf(store)) : WriteIniText(store);

    std::vector<std::string> want = CollapsedBlankRuns(SplitCrLf(original));
    std::vector<std::string> got = SplitCrLf(written);
    // Every line is written with its CR LF, so the text ends in an empty element.
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), "");
    got.pop_back();
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        if (got[i] != want[i]) {
            ADD_FAILURE() << "line " << i << " was [" << want[i] << "] now [" << got[i] << "]";
            return;
        }
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
