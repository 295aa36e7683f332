// The update list, path parts, sizes and the progress label.
#include "updater/update_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/regional.h"
#include "updater/file_part.h"
#include "updater/progress_pace.h"
#include "updater/progress_text.h"
#include "updater/unzip/m_unzip.h"
#include "updater/update_failure.h"

namespace patchwell {
namespace {

TEST(FilePartTest, PartsOfAPath) {
    struct Case {
        std::string path;
        int32_t part;
        std::string expected;
    };
    const Case cases[] = {
        {"\\Maps\\Pack.zip", 0, "zip"},
        {"\\Maps\\Pack.zip", 1, "Pack"},
        {"\\Maps\\Pack.zip", 2, "Pack.zip"},
        {"\\Maps\\Pack.zip", 3, "\\Maps\\"},
        {"\\Pack.tar.gz", 0, "gz"},
        {"\\Pack.tar.gz", 1, "Pack"},
        {"\\Pack.tar.gz", 3, "\\"},
        {"\\a.b.zip", 1, "a"},
        {"\\Maps\\Pack.zip", 4, ""},
        {"\\Maps\\Pack.zip", -1, ""},
        {"\\Maps\\Pack", 0, ""},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilePart(c.path, c.part), c.expected) << c.path << " part " << c.part;
    }
    EXPECT_THROW(FilePart("", 1), UpdateFailure);
    EXPECT_THROW(FilePart("\\Maps\\", 1), UpdateFailure);
}

TEST(UpdateListTest, NewsThenEntriesIndexedByLine) {
    const UpdateList list = ParseUpdateList(
        "2\r\nNews one\r\nNews two\r\n \\Maps\\Pack.zip , PackMarker, 1.3, 250, http://h/p.zip, "
        "extra\r\n");
    EXPECT_EQ(list.newsCount, 2);
    EXPECT_EQ(list.firstEntry, 3u);
    EXPECT_EQ(list.endEntry, 4u);
    const UpdateEntry& e = list.UpdateEntries.at(3);
    EXPECT_EQ(e.LocalPath, "\\Maps\\Pack.zip");
    EXPECT_EQ(e.MarkerName, "PackMarker");
    EXPECT_EQ(e.Version, "1.3");
    EXPECT_EQ(e.SizeKB, "250");
    EXPECT_EQ(e.Url, "http://h/p.zip");
}

TEST(UpdateListTest, NewsCountReadsTheLeadingNumber) {
    EXPECT_EQ(ParseUpdateList("  1.5 news\r\na\r\nb\r\n").newsCount, 2);  // halves to even
    EXPECT_EQ(ParseUpdateList("0.5\r\n").newsCount, 0);
    EXPECT_EQ(ParseUpdateList("none\r\n").newsCount, 0);
    EXPECT_TRUE(ParseUpdateList("0\r\n").NoEntries());
    // The text after the last CR LF is never an entry.
    EXPECT_TRUE(ParseUpdateList("0\r\n\\a.zip, m, 1, 1, http://h/a").NoEntries());
}

TEST(UpdateListTest, MalformedListsFail) {
    const char* lists[] = {
        "",                                  // empty reply
        "0",                                 // no CR LF
        "3\r\nonly\r\n",                     // more news than lines
        "-1\r\n",                            // negative count
        "0\r\n\r\n",                         // an empty entry line
        "0\r\n\\a.zip, m, 1, 1\r\n",         // four fields
        "0\r\n\\..\\a.zip, m, 1, 1, u\r\n",  // leaves the program folder
        "0\r\nC:\\a.zip, m, 1, 1, u\r\n",    // not below the program folder
        "0\r\n\\a.zip, ..\\m, 1, 1, u\r\n",  // marker outside the update folder
        "0\r\n\\a\\..\\..\\b.zip, m, 1, 1, u\r\n",
    };
    for (const char* text : lists) {
        EXPECT_THROW(ParseUpdateList(text), UpdateFailure) << text;
    }
    // News counts beyond 16 bits, or beyond any number, fail rather than wrap.
    std::string many = "40000\r\n";
    for (int i = 0; i <= 40000; ++i) many += "news\r\n";
    EXPECT_THROW(ParseUpdateList(many), UpdateFailure);
    EXPECT_THROW(ParseUpdateList(std::string(400, '9') + "\r\nx\r\n"), UpdateFailure);
}

// A NUL would cut the name where the system reads it ("update\.." is a folder): such a line
// is refused whole, and the message shows every byte of the name.
TEST(UpdateListTest, ANulOrControlByteInAPathOrMarkerIsNoFileName) {
    using namespace std::string_literals;
    struct Case {
        std::string line;
        std::string why;
    };
    const Case cases[] = {
        {"\\..\\\0evil.zip, m, 1, 1, u"s, "the path \\..\\<NUL>evil.zip is not a file name"},
        {"\\Maps\\Pack\0.zip, m, 1, 1, u"s, "the path \\Maps\\Pack<NUL>.zip is not a file name"},
        {"\\Pack.zip, ..\0evil, 1, 1, u"s, "the marker name ..<NUL>evil is not a file name"},
        {"\\Pack.zip, Pack\x1f"
         "Marker, 1, 1, u"s,
         "the marker name Pack<0x1F>Marker is not a file name"},
    };
    for (const Case& c : cases) {
        try {
            ParseUpdateList("0\r\n" + c.line + "\r\n");
            ADD_FAILURE() << "accepted: " << c.why;
        } catch (const UpdateFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.why), std::string::npos) << failure.what();
        }
    }
}

// A path or marker name Windows cannot hold, or one named like a temporary copy (which the
// next start deletes), fails the whole list before anything is fetched, saying why.
TEST(UpdateListTest, NamesNoFileMayBearAreRefused) {
    const std::string temp = "it is named like a temporary copy, which the next start deletes";
    const std::string dot = " ends in a dot, which Windows does not allow at the end of a name";
    const std::string blank = " ends in a blank, which Windows does not allow at the end of a name";
    const auto device = [](const std::string& name) {
        return " names the device " + name + ", which Windows does not allow as a name";
    };
    struct Case {
        std::string path, marker;
        std::string why;
        std::string tail = ", which Windows does not allow in names";
    };
    const Case cases[] = {
        {"\\Maps\\what?.zip", "m", "the path \\Maps\\what?.zip is not a file name: it holds \"?\""},
        {"\\a<b.zip", "m", "the path \\a<b.zip is not a file name: it holds \"<\""},
        {"\\a>b.zip", "m", "the path \\a>b.zip is not a file name: it holds \">\""},
        {"\\Maps\\a:b.zip", "m", "the path \\Maps\\a:b.zip is not a file name: it holds \":\""},
        {"C:\\a.zip", "m", "the path C:\\a.zip is not a file name: it holds \":\""},
        {"\\say\"hi\".zip", "m", "the path \\say\"hi\".zip is not a file name: it holds \"\"\""},
        {"\\a|b.zip", "m", "the path \\a|b.zip is not a file name: it holds \"|\""},
        {"\\Maps*\\a.zip", "m", "the path \\Maps*\\a.zip is not a file name: it holds \"*\""},
        {"\\bad\x01name.zip", "m",
         "the path \\bad<0x01>name.zip is not a file name: it holds the control character <0x01>"},
        {"\\Pack.zip.kestrane-tmp-abcdef", "m",
         "the path \\Pack.zip.kestrane-tmp-abcdef is not a file name: " + temp, ""},
        {"\\Maps.kestrane-tmp-XY12ab\\Pack.zip", "m",
         "the path \\Maps.kestrane-tmp-XY12ab\\Pack.zip is not a file name: " + temp, ""},
        {"\\Pack.zip", "Pack?", "the marker name Pack? is not a file name: it holds \"?\""},
        {"\\Pack.zip", "a|b", "the marker name a|b is not a file name: it holds \"|\""},
        {"\\Pack.zip", "Pack\x7f\x1f",
         "the marker name Pack\x7f<0x1F> is not a file name: it "
         "holds the control character <0x1F>"},
        {"\\Pack.zip", "PackMarker.kestrane-tmp-000000",
         "the marker name PackMarker.kestrane-tmp-000000 is not a file name: " + temp, ""},
        // A folder "Maps " would be made beside Maps, and Pack.zip. would not replace Pack.zip.
        {"\\Maps \\Pack.zip", "m",
         "the path \\Maps \\Pack.zip is not a file name: \"Maps \"" + blank, ""},
        {"\\Maps.\\Pack.zip", "m", "the path \\Maps.\\Pack.zip is not a file name: \"Maps.\"" + dot,
         ""},
        {"\\Maps\\Pack.zip.", "m",
         "the path \\Maps\\Pack.zip. is not a file name: \"Pack.zip.\"" + dot, ""},
        {"\\Con\\Pack.zip", "m",
         "the path \\Con\\Pack.zip is not a file name: \"Con\"" + device("CON"), ""},
        {"\\Maps\\com1.zip", "m",
         "the path \\Maps\\com1.zip is not a file name: \"com1.zip\"" + device("COM1"), ""},
        {"\\Pack.zip", "CON", "the marker name CON is not a file name: \"CON\"" + device("CON"),
         ""},
        {"\\Pack.zip", "lpt1.txt",
         "the marker name lpt1.txt is not a file name: \"lpt1.txt\"" + device("LPT1"), ""},
        {"\\Pack.zip", "PackMarker.",
         "the marker name PackMarker. is not a file name: \"PackMarker.\"" + dot, ""},
    };
    for (const Case& c : cases) {
        try {
            ParseUpdateList("0\r\n" + c.path + ", " + c.marker + ", 1, 1, u\r\n");
            ADD_FAILURE() << "accepted: " << c.why;
        } catch (const UpdateFailure& failure) {
            const std::string want = "line 2 of the update list: " + c.why;
            const std::string what = failure.what();
            EXPECT_EQ(what, want + c.tail);
        }
    }
    // Blanks, brackets, "#", "&", dots and letters beyond ASCII (the list's 8-bit text) pass;
    // so do a leading blank and names that only begin like a device, which Windows holds.
    const UpdateList list = ParseUpdateList(
        "0\r\n\\Maps\\Map [1] #2 & co.v1.zip, Caf\xe9 Marker, 1, 1, u\r\n"
        "\\ Lead\\CONSOLE.zip, con1, 1, 1, u\r\n"
        "\\COM0\\lpt10.zip, thesis.aux, 1, 1, u\r\n");
    EXPECT_EQ(list.UpdateEntries[1].LocalPath, "\\Maps\\Map [1] #2 & co.v1.zip");
    EXPECT_EQ(list.UpdateEntries[1].MarkerName, "Caf\xe9 Marker");
    EXPECT_EQ(list.UpdateEntries[2].LocalPath, "\\ Lead\\CONSOLE.zip");
    EXPECT_EQ(list.UpdateEntries[2].MarkerName, "con1");
    EXPECT_EQ(list.UpdateEntries[3].LocalPath, "\\COM0\\lpt10.zip");
    EXPECT_EQ(list.UpdateEntries[3].MarkerName, "thesis.aux");
}

TEST(UpdateListTest, SizeIsAWholeNumberOfKilobytes) {
    platform::SetDecimalSeparatorForTest('.');
    EXPECT_EQ(SizeKBValue("250"), 250);
    EXPECT_EQ(SizeKBValue(" 2.5 "), 2);
    EXPECT_EQ(SizeKBValue("32767"), 32767);
    for (const char* bad : {"0", "-3", "32768", "abc", "", "12kb", "0.4"}) {
        EXPECT_THROW(SizeKBValue(bad), UpdateFailure) << bad;
    }
    platform::SetDecimalSeparatorForTest(',');
    EXPECT_EQ(SizeKBValue("3,5"), 4);
    platform::SetDecimalSeparatorForTest('\0');
}

TEST(ProgressTextTest, CaptionAndValue) {
    platform::SetDigitGroupSeparatorForTest(',');
    EXPECT_EQ(ProgressCaption(0, 250), " of 250 Kb's Received");
    EXPECT_EQ(ProgressCaption(1234, 2000), "1,234 of 2,000 Kb's Received");
    EXPECT_EQ(GroupedNumber(1234567), "1,234,567");
    platform::SetDigitGroupSeparatorForTest('\0');
    EXPECT_EQ(ProgressValue(1535, 100), 1);        // 1.499 KB
    EXPECT_EQ(ProgressValue(2559, 100), 2);        // 2.499
    EXPECT_EQ(ProgressValue(2560, 100), 2);        // 2.5: halves to even
    EXPECT_EQ(ProgressValue(10 << 20, 100), 100);  // never beyond the maximum
}

// The bar moves at most every 50 ms and only on to a further whole percent of its maximum,
// whichever is rarer.
TEST(ProgressPaceTest, FiftyMillisecondsAndAWholePercentBothHaveToPass) {
    struct Step {
        int64_t ms;
        int32_t value;
        bool due;
    };
    struct Case {
        int32_t maximum;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        // 1 % is 1 KB: time is what holds the bar back.
        {100, {{10, 5, false}, {49, 5, false}, {50, 5, true}, {99, 9, false}, {100, 9, true}}},
        // 1 % is 10 KB: the percent holds it back, however long the wait.
        {1000, {{100, 9, false}, {150, 10, true}, {900, 19, false}, {901, 20, true}}},
        // A bar at its end moves no more.
        {1, {{60, 1, true}, {500, 1, false}}},
        {32767, {{50, 327, false}, {51, 328, true}, {5000, 32767, true}, {9000, 32767, false}}},
    };
    for (const Case& c : cases) {
        ProgressPace pace;
        pace.Start(c.maximum, 0);
        for (const Step& step : c.steps) {
            EXPECT_EQ(pace.Due(step.value, step.ms), step.due)
                << "maximum " << c.maximum << ", " << step.value << " at " << step.ms << " ms";
        }
    }
}

TEST(ZipPathTest, SlashesAndSplitting) {
    std::string text = "/a/b/c";
    EXPECT_EQ(SlashToBackslash(text), 6);
    EXPECT_EQ(text, "/a\\b\\c");
    std::string none = "abc";
    EXPECT_EQ(SlashToBackslash(none), 1);

    struct Case {
        std::string path, folder, name;
    };
    const Case cases[] = {{"maps/sub/a.ut2", "maps\\sub", "a.ut2"},
                          {"/a/b.txt", "/a", "b.txt"},
                          {"plain.txt", "", "plain.txt"},
                          {std::string("x/y\0junk", 8), "x", "y"}};
    for (const Case& c : cases) {
        std::string name = c.path, folder;
        SplitZipPath(name, folder);
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(name, c.name) << c.path;
    }
}

}  // namespace
}  // namespace patchwell
