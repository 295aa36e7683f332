#include "editor/store/ini_store.h"

#include <gtest/gtest.h>

#include "editor/store/ini_writer.h"

namespace kestrane {
namespace {

IniStore Loaded(const std::string& text) {
    IniStore store;
    store.Load(text);
    return store;
}

TEST(SplitLines, EveryLfEndsALineAndEachKeepsItsEnd) {
    EXPECT_TRUE(SplitLines("").lines.empty());
    const SplitText split = SplitLines("a\r\nb\nc\rd\r\n\ne");
    EXPECT_EQ(split.lines, (std::vector<std::string>{"a", "b", "c\rd", "", "e"}));
    EXPECT_EQ(split.ends, (std::vector<LineEnd>{LineEnd::CrLf, LineEnd::Lf, LineEnd::CrLf,
                                                LineEnd::Lf, LineEnd::None}));
}

// Each line goes back with the end it came with; lines the editor adds take the file's own.
TEST(IniWriter, KeepsEachLinesEnd) {
    struct Case {
        const char* text;
        const char* appended;  // after AppendLine("k", "v")
    };
    const Case cases[] = {
        {"a=1\nb=2\n", "a=1\nb=2\nk=v\n"},
        {"a=1\r\nb=2\r\n", "a=1\r\nb=2\r\nk=v\r\n"},
        {"a=1\nb=2", "a=1\nb=2\nk=v"},
        {"a=1\r\nx=2\nb=3\r\n", "a=1\r\nx=2\nb=3\r\nk=v\r\n"},
        {"a=1\rz\r\n\r\n\r\nb\n", "a=1\rz\r\n\r\nb\nk=v\r\n"},
        {"", "k=v\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        IniStore s = Loaded(c.text);
        const std::string collapsed = WriteIniText(s);
        if (std::string_view(c.text).find("\r\n\r\n\r\n") == std::string_view::npos) {
            EXPECT_EQ(collapsed, c.text);
        }
        s.AppendLine("k", "v");
        EXPECT_EQ(WriteIniText(s), c.appended);
    }
}

// A lone LF inside a CR LF file no longer joins two lines into one.
TEST(IniStore, ALoneLfEndsItsLine) {
    const IniStore s = Loaded(
        "DesiredFOV=90.000000\nDefaultFOV=85.000000\r\nbPlayerShadows=True\n"
        "bPlayOwnFootsteps=True\r\n");
    EXPECT_EQ(GetVal(s, "DesiredFOV"), "90.000000");
    EXPECT_EQ(GetVal(s, "DefaultFOV"), "85.000000");
    EXPECT_EQ(GetVal(s, "bPlayerShadows"), "True");
    EXPECT_EQ(GetVal(s, "bPlayOwnFootsteps"), "True");
}

TEST(IniStore, ClassifiesEveryLine) {
    const IniStore s = Loaded(
        "[Sec]\r\nk = v=w \r\n\r\nKey=[Word]\r\nName=Ace[KX]\r\ntag]\r\n [Lead]\r\n"
        "[A]=1\r\n; note\r\n=lead\r\nAliases[0]=(x)");
    struct Row {
        RowKind kind;
        const char* key;
        const char* value;
    };
    const Row want[] = {{RowKind::Header, "[Sec]", ""},
                        {RowKind::KeyLine, "k ", " v=w "},
                        {RowKind::Blank, "", ""},
                        // Only a line that begins with "[" is a header.
                        {RowKind::KeyLine, "Key", "[Word]"},
                        {RowKind::KeyLine, "Name", "Ace[KX]"},
                        {RowKind::Odd, "tag]", ""},
                        {RowKind::Odd, " [Lead]", ""},
                        {RowKind::KeyLine, "[A]", "1"},
                        {RowKind::Odd, "; note", ""},
                        {RowKind::KeyLine, "", "lead"},
                        {RowKind::KeyLine, "Aliases[0]", "(x)"}};
    ASSERT_EQ(s.RowCount(), std::size(want));
    for (size_t i = 0; i < s.RowCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.Kind(i), want[i].kind);
        EXPECT_EQ(s.Key(i), want[i].key);
        EXPECT_EQ(s.Value(i), want[i].value);
    }
}

TEST(IniStore, LookupsIgnoreCaseAndTakeTheFirstMatch) {
    const IniStore s = Loaded(
        "[A]\r\nName=one\r\nname=two\r\n[B]\r\nOnly=b\r\n[C]\r\nName=three\r\nKey=[Word]\r\n"
        "F=Jump\r\nG=jump\r\nH=Fire\r\n");
    EXPECT_EQ(GetVal(s, "NAME"), "one");
    EXPECT_EQ(GetVal(s, "missing"), "");
    EXPECT_EQ(GetVal(s, "Key"), "[Word]");  // a bracketed value is a value
    EXPECT_EQ(GetVal2(s, "name", "[c]"), "three");
    EXPECT_EQ(GetVal2(s, "Only", "[A]"), "b");  // not limited to the section
    EXPECT_EQ(GetVal2(s, "Only", "[C]"), "");
    EXPECT_EQ(GetVal2(s, "Name", "[Nowhere]"), "");
    EXPECT_EQ(GetBind(s, "JUMP"), "F");
    EXPECT_EQ(GetBind2(s, "jump"), "G");
    EXPECT_EQ(GetBind2(s, "Fire"), "");
}

TEST(IniStore, LookupsFollowChangedValuesAndReloads) {
    IniStore s = Loaded("A=Jump\r\nB=Fire\r\nC=x\r\n");
    s.SetValue(0, "");
    EXPECT_EQ(GetBind(s, "Jump"), "");
    s.SetValue(2, "Jump");
    EXPECT_EQ(GetBind(s, "Jump"), "C");
    s.Load("Z=1\r\n");
    EXPECT_EQ(GetVal(s, "C"), "");  // nothing of the longer file is left
    EXPECT_EQ(s.RowCount(), 2u);
}

TEST(IniStore, HoldsFilesOfAnyLength) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "K" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    const IniStore s = Loaded(text);
    EXPECT_EQ(GetVal(s, "K19999"), "19999");
    EXPECT_EQ(WriteIniText(s), text);
}

struct WriteCase {
    const char* name;
    const char* in;
    const char* out;
};

class LineWriterTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(LineWriterTest, RewritesLineForLine) {
    const IniStore s = Loaded(GetParam().in);
    EXPECT_EQ(WriteIniText(s), GetParam().out);
    // From the second write on, nothing changes.
    const std::string twice = WriteIniText(Loaded(GetParam().out));
    EXPECT_EQ(WriteIniText(Loaded(twice)), twice);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineWriterTest,
    ::testing::Values(
        WriteCase{"Unchanged", "[S]\r\n k = v=w \r\nX=[Y]", "[S]\r\n k = v=w \r\nX=[Y]"},
        WriteCase{"BlankRunsCollapse", "\r\n\r\nA=1\r\n\r\n\r\n\r\nB=2", "\r\nA=1\r\n\r\nB=2"},
        WriteCase{"TrailingLineEndStaysOne", "A=1\r\n", "A=1\r\n"},
        WriteCase{"OddLinesSurvive", "[S]\r\n; comment\r\n        M MaplistRecord]x\r\n=v\r\n",
                  "[S]\r\n; comment\r\n        M MaplistRecord]x\r\n=v\r\n"},
        WriteCase{"LoneLfKeepsItsLine", "A=1\nB=2\r\n", "A=1\nB=2\r\n"},
        WriteCase{"LfOnly", "[S]\nA=1\n\n\nB=2\n", "[S]\nA=1\n\nB=2\n"},
        WriteCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserIniWriter, AliasRunsTakeTheBoxTextOnce) {
    const IniStore s = Loaded(
        "[Engine.PlayerInput]\r\n\r\nAliases[0]=(Command=\"a\")\r\nAliases[1]=(Command=\"b\")\r\n"
        "\r\nX=1\r\nAliases[5]=(late)\r\n[T]\r\nAliases=old\r\nAliases=older\r\n");
    UserIniExtras extras;
    extras.aliasText = "Aliases[0]=(new)\r\nAliases[1]=(two)";
    extras.ttsAliasText = "Aliases=tts";
    EXPECT_EQ(WriteUserIniText(s, extras),
              "[Engine.PlayerInput]\r\n\r\nAliases[0]=(new)\r\nAliases[1]=(two)\r\n\r\nX=1\r\n"
              "[T]\r\nAliases=tts\r\n");
    // Boxes that still show what the load put there leave every alias line as it was.
    extras.aliasUntouched = true;
    extras.ttsAliasUntouched = true;
    EXPECT_EQ(WriteUserIniText(s, extras), WriteIniText(s));
}

// An edited box in an LF-only file: its lines take LF too.
TEST(UserIniWriter, AliasBoxTextTakesTheFilesLineEnd) {
    const IniStore s = Loaded("[P]\nAliases[0]=(a)\nAliases[1]=(b)\nX=1");
    UserIniExtras extras;
    extras.aliasText = "Aliases[0]=(new)\r\nAliases[1]=(two)\r\nAliases[2]=(three)";
    EXPECT_EQ(WriteUserIniText(s, extras),
              "[P]\nAliases[0]=(new)\nAliases[1]=(two)\nAliases[2]=(three)\nX=1");
}

TEST(UserIniWriter, QuietMenuLinesOnlyUnderTheExactHeaderWhileMissing) {
    const IniStore s =
        Loaded("[XInterface.GUIController]\r\nA=1\r\n[xinterface.guicontroller]\r\nB=2");
    UserIniExtras extras;
    EXPECT_EQ(WriteUserIniText(s, extras), WriteIniText(s));
    extras.quietMenuMissing = true;
    extras.quietMenu = true;
    EXPECT_EQ(WriteUserIniText(s, extras),
              "[XInterface.GUIController]\r\nbQuietMenu=True\r\nbNoToolTips=False\r\nA=1\r\n"
              "[xinterface.guicontroller]\r\nB=2");
    // A key line named like the header keeps its line; an LF file gets LF lines; a header
    // that ended the file without a line end gets one.
    EXPECT_EQ(WriteUserIniText(Loaded("[XInterface.GUIController]=x\r\n"), extras),
              "[XInterface.GUIController]=x\r\n");
    EXPECT_EQ(WriteUserIniText(Loaded("A=1\n[XInterface.GUIController]\nB=2\n"), extras),
              "A=1\n[XInterface.GUIController]\nbQuietMenu=True\nbNoToolTips=False\nB=2\n");
    EXPECT_EQ(WriteUserIniText(Loaded("A=1\r\n[XInterface.GUIController]"), extras),
              "A=1\r\n[XInterface.GUIController]\r\nbQuietMenu=True\r\nbNoToolTips=False");
}

}  // namespace
}  // namespace kestrane
