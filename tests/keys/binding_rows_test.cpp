// The bind boxes loaded from User.ini and saved back onto it, through the real window.
#include <gtest/gtest.h>

#include "editor/binding/bind_commands.h"
#include "editor/store/game_key_names.h"
#include "editor/store/ini_store.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"
#include "editor/windows/main/main_window.h"
#include "tests/keys/bind_window.h"
#include "tests/support/test_paths.h"

namespace kestrane {
namespace {

using test::BindWindowTest;

TEST_F(BindWindowTest, BoxesShowTheFirstTwoKeysOfEachCommand) {
    Open();
    struct Expect {
        int box;
        const char* text;
        int points;
    };
    const Expect cases[] = {
        {8, "Up", 7},         {9, "W", 7},  // NumPad8, the third key, shows nowhere
        {0, "j", 7},                        // "Taunt pthrust": commands match in any letter case
        {16, "Space", 7},     {17, "", 7},  // "Jump | Fire" binds neither command
        {38, "LeftMouse", 7}, {39, "", 7},   {52, "NumPadPeriod", 6},  // longer than 10 characters
        {80, "F9", 7},        {112, "I", 7}, {139, "", 7},
    };
    for (const Expect& c : cases) {
        EXPECT_EQ(Text(c.box), c.text) << c.box;
        EXPECT_EQ(Box(c.box)->font().pointSize(), c.points) << c.box;
    }
}

TEST_F(BindWindowTest, ASaveWithoutEditsKeepsEveryLine) {
    Open();
    Trigger("frmFileSave");
    // The file's own spellings ("Taunt pthrust", "shot") stay.
    EXPECT_EQ(SystemFile("User.ini"), test::kBindUserIni);
}

TEST_F(BindWindowTest, ASaveBindsEachBoxKeyOnItsFirstLine) {
    Open(
        "[Engine.Input]\r\nF=\r\nG=moveforward\r\nH=\r\n[Other]\r\nF=Use\r\n"
        "[DefaultPlayer]\r\nName=Player\r\n");
    EXPECT_EQ(Text(76), "F");  // found on the second F line
    EXPECT_EQ(Text(8), "G");
    Box(9)->setText("H");
    Box(10)->setText("NoSuchKey");
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"),
              "[Engine.Input]\r\nF=Use\r\nG=moveforward\r\nH=MoveForward\r\n[Other]\r\nF=Use\r\n"
              "[DefaultPlayer]\r\nName=Player\r\n");
}

// Lines that bind keys: keyed by a game key name or holding one of the commands.
std::vector<std::string> BindingLines(const std::string& text) {
    std::set<std::string> names;
    for (int code = 0; code <= 254; ++code) {
        if (auto name = KeyCodeToName(code); !name.empty()) names.insert(Folded(name));
    }
    // Key names such as "1" are values of other settings too: commands only on the value side.
    std::set<std::string> commands;
    for (const BindCommand& c : kBindCommands) commands.insert(Folded(c.command));
    IniStore store;
    store.Load(text);
    std::vector<std::string> lines;
    for (size_t i = 0; i < store.RowCount(); ++i) {
        if (store.Kind(i) != RowKind::KeyLine) continue;
        if (names.count(Folded(store.Key(i))) || commands.count(Folded(store.Value(i)))) {
            lines.push_back(store.Key(i) + "=" + store.Value(i));
        }
    }
    return lines;
}

TEST_F(BindWindowTest, RealFilesKeepTheirBindingLinesThroughLoadAndSave) {
    const auto files = test::RealUserInis();
    if (files.empty()) GTEST_SKIP() << "no real game files beside the repository";
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        DestroyMainWindow();
        ResetState();
        const std::string original = test::ToCrLf(test::ReadHostFile(path));
        Install(original);
        ASSERT_TRUE(Start());
        Trigger("frmFileSave");
        const auto before = BindingLines(original);
        const auto after = BindingLines(SystemFile("User.ini"));
        EXPECT_GT(before.size(), 100u);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]);
    }
}

}  // namespace
}  // namespace kestrane
