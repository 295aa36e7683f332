// Every real User.ini and UT2004.ini, taken as the game writes them (CR LF), through start-up
// and File > Save with no edits: a line changes only where a bound row normalises its value,
// blank runs collapse, and empty alias entries go.
#include <gtest/gtest.h>

#include "editor/store/ini_store.h"
#include "editor/store/leading_number.h"
#include "editor/store/text_compare.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    // The writer ends the file with one blank line (the empty row after the last CR LF).
    std::vector<std::string> lines = SplitCrLf(text);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (line.empty() && !out.empty() && out.back().empty()) continue;
        out.push_back(line);
    }
    return out;
}

bool IsEmptyAliasLine(const std::string& line) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos || InStrText(line.substr(0, eq), "liases[") == 0) return false;
    const std::string value = line.substr(eq + 1);
    for (const char* empty :
         {"(Command=,Alias=)", "(Command=\",Alias=None)", "(Command=\"\",Alias=\"\")"}) {
        if (EqualsNoCase(value, empty)) return true;
    }
    return false;
}

// A value form may rewrite a value's spelling, never its key or its meaning.
bool Normalised(const std::string& was, const std::string& now) {
    const size_t a = was.find('='), b = now.find('=');
    if (a == std::string::npos || b == std::string::npos || was.substr(0, a) != now.substr(0, b))
        return false;
    const std::string v = was.substr(a + 1), w = now.substr(b + 1);
    // The team choice knows red ("0") and not red ("1"), so the game's 255 (no team) comes
    // back as "1".
    if (was.substr(0, a) == "team") return w == (v == "0" ? "0" : "1");
    // TextLeft and Number4 rows keep at most five leading characters.
    if (EqualsNoCase(v, w) || (v.starts_with(w) && w.size() <= 5)) return true;
    return !w.empty() && LeadingNumber(v) == LeadingNumber(w);
}

void ExpectSurvives(const std::string& original, const std::string& written,
                    const std::string& name) {
    SCOPED_TRACE(name);
    std::vector<std::string> want = Lines(original);
    std::erase_if(want, IsEmptyAliasLine);
    std::vector<std::string> got = Lines(written);
    // The two menu switches come in under the GUI controller's header when the file lacks them.
    for (const char* key : {"bQuietMenu=", "bNoToolTips="}) {
        const auto has = [key](const std::string& line) { return line.starts_with(key); };
        if (std::none_of(want.begin(), want.end(), has)) std::erase_if(got, has);
    }
    // Start-up may append the game-type sections a UT2004.ini lacks; nothing else is added.
    ASSERT_GE(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        if (got[i] != want[i] && !Normalised(want[i], got[i])) {
            ADD_FAILURE() << "line " << i + 1 << " was [" << want[i] << "] now [" << got[i] << "]";
            return;
        }
    }
    for (size_t i = want.size(); i < got.size(); ++i) {
        EXPECT_TRUE(name.ends_with("UT2004.ini")) << "line added: " << got[i];
    }
}

class RealFilesThroughTheEditor : public EditorTest {};

TEST_F(RealFilesThroughTheEditor, StartAndSaveKeepEveryLine) {
    const std::vector<std::string> users = RealUserInis();
    const std::vector<std::string> uts = RealUt2004Inis();
    if (users.empty() || uts.empty()) GTEST_SKIP() << "real fixtures absent";
    // Pair each User.ini with a UT2004.ini so every file of both kinds goes through once.
    const size_t runs = std::max(users.size(), uts.size());
    for (size_t i = 0; i < runs; ++i) {
        const std::string userPath = users[i % users.size()];
        const std::string utPath = uts[i % uts.size()];
        TearDown();
        SetUp();
        const std::string user = ToCrLf(ReadHostFile(userPath));
        const std::string ut = ToCrLf(ReadHostFile(utPath));
        Install(user, ut);
        ASSERT_TRUE(Start()) << userPath;
        Trigger("frmFileSave");
        ExpectSurvives(user, SystemFile("User.ini"), userPath);
        ExpectSurvives(ut, SystemFile("UT2004.ini"), utPath);
    }
}

}  // namespace
}  // namespace kestrane::test
