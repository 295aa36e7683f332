// Every real User.ini and UT2004.ini, as stored and as the game writes them (CR LF), through a
// start-up with a profile and File > Save with no edit: every byte stays, but for the defined
// changes (blank runs collapse, the two menu switches come in under the GUI controller's header
// when the file lacks them, the missing game sections are appended). An edit changes its line
// and nothing else.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <array>
#include <functional>
#include <iostream>
#include <optional>

#include "editor/binding/settings_walks.h"
#include "editor/binding/untouched.h"
#include "editor/store/leading_number.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"
#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "tests/support/round_trip.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

constexpr const char* kWithProfile = "Music=OFF\r\nProfileName=Player\r\nCacheDelete=False\r\n";

bool HasQuietMenuValue(const std::string& text) {
    for (const std::string& line : LinesWithEnds(text)) {
        if (line.size() > 11 && EqualsNoCase(line.substr(0, 11), "bQuietMenu=") &&
            line[11] != '\r' && line[11] != '\n')
            return true;
    }
    return false;
}

// The written User.ini less the two lines the writer adds under the GUI controller's header.
std::string WithoutQuietMenuLines(const std::string& written) {
    std::string out;
    const std::vector<std::string> lines = LinesWithEnds(written);
    for (size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (!lines[i].starts_with("[XInterface.GUIController]")) continue;
        if (i + 1 < lines.size() && lines[i + 1].starts_with("bQuietMenu=")) {
            ++i;
            if (i + 1 < lines.size() && lines[i + 1].starts_with("bNoToolTips=")) ++i;
        }
    }
    return out;
}

void ExpectUserIniKept(const std::string& original, const std::string& written) {
    const std::string want = CollapsedBlankRuns(original);
    ExpectSameLines(want, HasQuietMenuValue(original) ? written : WithoutQuietMenuLines(written));
}

void ExpectUt2004IniKept(const std::string& original, const std::string& written) {
    const std::string want = CollapsedBlankRuns(original);
    ExpectSameLines(want, written.substr(0, want.size()));
    // Whatever follows are the game sections the file lacked.
    for (const std::string& line : LinesWithEnds(written.substr(want.size()))) {
        if (!line.starts_with("[")) continue;
        const std::string header = line.substr(0, line.find(']') + 1);
        for (const std::string& had : LinesWithEnds(original)) {
            EXPECT_FALSE(EqualsNoCase(had.substr(0, header.size()), header) &&
                         had.find_first_not_of("\r\n", header.size()) == std::string::npos)
                << "appended again: " << header;
        }
    }
}

class RealFilesThroughTheEditor : public EditorTest {
  protected:
    // Each User.ini with a UT2004.ini, so that every file of both kinds goes through once.
    void ForEachPair(const std::function<void(const std::string&, const std::string&,
                                              const std::string&)>& run) {
        const std::vector<std::string> users = RealUserInis();
        const std::vector<std::string> uts = RealUt2004Inis();
        if (users.empty() || uts.empty()) GTEST_SKIP() << "real fixtures absent";
        for (size_t i = 0; i < std::max(users.size(), uts.size()); ++i) {
            const auto userForms = RealFileForms(users[i % users.size()]);
            const auto utForms = RealFileForms(uts[i % uts.size()]);
            for (size_t form = 0; form < 2; ++form) {
                const std::string& user = userForms[std::min(form, userForms.size() - 1)];
                const std::string& ut = utForms[std::min(form, utForms.size() - 1)];
                SCOPED_TRACE(users[i % users.size()] + " + " + uts[i % uts.size()] +
                             (form ? " (CR LF)" : " (as stored)"));
                TearDown();
                SetUp();
                run(user, ut, users[i % users.size()]);
            }
        }
    }

    // Every bound control written back as it shows, as if each had been touched: `line` gets
    // each line that then changed. Not fields: the team choice writes a side, and the
    // resolution combos write the Windows client's resolution into the SDL client's lines too.
    static void ForEachRewrittenLine(
        const std::function<void(const std::string& key, std::string_view was,
                                 const std::string& now)>& line) {
        BindingContext ctx = MainWindow().Binding();
        ForgetShown(ctx);
        SaveSettings(ctx);
        for (const IniStore* store : {&State().user, &State().ut2004}) {
            for (size_t row = 0; row < store->RowCount(); ++row) {
                const std::string_view was = store->LoadedValue(row);
                const std::string& now = store->Value(row);
                const std::string& key = store->Key(row);
                if (was == now || key == "team" || key.find("ViewportX") != std::string::npos ||
                    key.find("ViewportY") != std::string::npos) {
                    continue;
                }
                line(key, was, now);
            }
        }
    }
};

TEST_F(RealFilesThroughTheEditor, StartWithAProfileAndSaveKeepEveryByte) {
    ForEachPair([this](const std::string& user, const std::string& ut, const std::string&) {
        Install(user, ut, kWithProfile);
        ASSERT_TRUE(Start());
        Trigger("frmFileSave");
        ExpectUserIniKept(user, SystemFile("User.ini"));
        ExpectUt2004IniKept(ut, SystemFile("UT2004.ini"));
        EXPECT_EQ(ProgramFile("Profiles/Player/User.ini"), SystemFile("User.ini"));
        EXPECT_EQ(ProgramFile("Profiles/Player/UT2004.ini"), SystemFile("UT2004.ini"));
        // The save's own texts are what the editor holds now: a second save adds nothing.
        const std::string once = SystemFile("User.ini");
        Trigger("frmFileSave");
        EXPECT_EQ(SystemFile("User.ini"), once);
        EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
    });
}

// One control of each row area edited as a player would leave it, then saved.
struct Edit {
    const char* key;
    std::function<void(ControlRegistry&)> apply;
};

TEST_F(RealFilesThroughTheEditor, AnEditChangesItsLineAndNothingElse) {
    const auto toggle = [](const char* name, int index) {
        return [name, index](ControlRegistry& c) {
            c.SetValue({name, index}, 1 - c.Value({name, index}));
        };
    };
    const auto type = [](const char* name, int index, const char* text) {
        return [name, index, text](ControlRegistry& c) { c.SetText({name, index}, text); };
    };
    const std::vector<Edit> edits = {
        {"Name", type("tbx_Name", -1, "Somebody Else")},
        {"Character", type("cb_Character", -1, "Gorge")},
        {"DesiredFOV", type("tbx_FOV", -1, "95")},
        {"bPlayerShadows", toggle("c_Player_Shadow", -1)},
        {"bShowWeaponInfo", toggle("c_Hud", 1)},
        {"bEnableDodging", toggle("c_Mouse", 1)},
        {"HudScale",
         [](ControlRegistry& c) {
             c.SetText({"tbx_Comm", 5}, c.Text({"tbx_Comm", 5}) == "1" ? "0" : "1");
         }},
        {"MouseSensitivity",
         [](ControlRegistry& c) {
             c.SetText({"tbx_Mouse", 2}, c.Text({"tbx_Mouse", 2}) == "2" ? "3" : "2");
         }},
        {"IRCTextColor",
         [](ControlRegistry& c) {
             c.SetText({"txb_IRC_Red", 0}, c.Text({"txb_IRC_Red", 0}) == "9" ? "8" : "9");
         }},
        {"team",
         [](ControlRegistry& c) {
             const int red = c.Value({"rb_Red"});
             c.SetValue({"rb_Red"}, 1 - red);
             c.SetValue({"rb_Blue"}, red);
         }},
        {"ExchangeFireModes", toggle("c_SwapFire", 0)},
        {"CustomCrossHairTextureName",
         [](ControlRegistry& c) {
             c.SetText({"cbx_Cross", 0}, c.Text({"cbx_Cross", 0}) == "Dot" ? "Tank" : "Dot");
         }},
    };
    ForEachPair([&](const std::string& user, const std::string& ut, const std::string& path) {
        if (user.find("\r\n") == std::string::npos) return;  // the CR LF form is enough here
        Install(user, ut);
        ASSERT_TRUE(Start());
        Trigger("frmFileSave");
        const std::string untouched = SystemFile("User.ini");
        for (const Edit& edit : edits) {
            SCOPED_TRACE(edit.key);
            TearDown();
            SetUp();
            Install(user, ut);
            ASSERT_TRUE(Start());
            edit.apply(MainWindow().Controls());
            Trigger("frmFileSave");
            const std::vector<std::string> was = LinesWithEnds(untouched);
            const std::vector<std::string> now = LinesWithEnds(SystemFile("User.ini"));
            ASSERT_EQ(was.size(), now.size()) << path;
            int changed = 0;
            for (size_t i = 0; i < was.size(); ++i) {
                if (was[i] == now[i]) continue;
                ++changed;
                EXPECT_TRUE(now[i].starts_with(std::string(edit.key) + "=")) << now[i];
            }
            // A key the file lacks stores nothing; one it has changes on its line alone.
            const bool has =
                untouched.find("\n" + std::string(edit.key) + "=") != std::string::npos;
            EXPECT_LE(changed, 1);
            if (has && std::string(edit.key) != "Character") {
                EXPECT_EQ(changed, 1);
            }
        }
    });
}

// The number at the start of a value, when it starts with one ("0.5 #remark" does, "True" and
// "(B=1,...)" do not).
std::optional<double> StartingNumber(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    if (text[i] == '-' || text[i] == '+') ++i;
    if (i < text.size() && text[i] == '.') ++i;
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    return LeadingNumber(text);
}

// The three channel numbers of a colour text, by letter.
std::optional<std::array<double, 3>> Channels(std::string_view text) {
    if (!text.starts_with("(")) return std::nullopt;
    std::array<double, 3> rgb{};
    const char* letters[] = {"R=", "G=", "B="};
    for (size_t c = 0; c < 3; ++c) {
        const size_t at = text.find(letters[c]);
        if (at == std::string_view::npos) return std::nullopt;
        rgb[c] = LeadingNumber(text.substr(at + 2));
    }
    return rgb;
}

// What every field shows, read as a number, is the number its line holds: each bound control
// writes what it shows (as if every one had been touched), and each line that then changed
// still holds the same number. A greyed field, whose key its section lacks, shows nothing.
TEST_F(RealFilesThroughTheEditor, EveryNumericFieldShowsTheNumberItsFileHolds) {
    int numbers = 0;
    ForEachPair([&](const std::string& user, const std::string& ut, const std::string&) {
        if (user.find("\r\n") == std::string::npos) return;  // one form of each pair is enough
        Install(user, ut);
        ASSERT_TRUE(Start());
        MainWindow().BuildEveryPage();
        for (NumericField* field : MainWindow().findChildren<NumericField*>()) {
            if (!field->Box()->isEnabled()) {
                EXPECT_EQ(field->Box()->text(), "") << field->Box()->objectName().toStdString();
            }
        }
        ForEachRewrittenLine(
            [&](const std::string& key, std::string_view was, const std::string& now) {
                const std::string line = key + "=" + std::string(was) + " -> " + now;
                if (const auto number = StartingNumber(was); number && StartingNumber(now)) {
                    ++numbers;
                    EXPECT_EQ(*StartingNumber(now), *number) << line;
                } else if (const auto colour = Channels(was); colour && Channels(now)) {
                    ++numbers;
                    EXPECT_EQ(*Channels(now), *colour) << line;
                }
            });
    });
    std::cout << numbers << " numeric values respelled and compared\n";
}

// A plain decimal number as a box shows it: without the zeros ending its fraction and without
// a point left with nothing after it ("90.000000" -> "90", "0.30" -> "0.3", "-0.0" -> "-0").
std::optional<std::string> WithoutTrailingZeros(std::string_view value) {
    size_t i = value.starts_with('-') || value.starts_with('+') ? 1 : 0;
    const size_t point = value.find('.');
    if (value.find_first_not_of("0123456789.", i) != std::string_view::npos ||
        value.find_first_of("0123456789") == std::string_view::npos ||
        (point != std::string_view::npos && value.find('.', point + 1) != std::string_view::npos)) {
        return std::nullopt;
    }
    std::string out(value);
    if (point == std::string_view::npos) return out;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    if (out.size() == i) out += '0';
    return out;
}

// Every numeric box shows its line's number as the other boxes do: written back as shown (as if
// every box had been touched), each line holding a plain number holds it without the zeros
// ending its fraction, and every other byte of it.
TEST_F(RealFilesThroughTheEditor, EveryNumericBoxShowsItsNumberWithoutACut) {
    int boxes = 0;
    int respelled = 0;
    int offRule = 0;
    ForEachPair([&](const std::string& user, const std::string& ut, const std::string&) {
        if (user.find("\r\n") == std::string::npos) return;
        Install(user, ut);
        ASSERT_TRUE(Start());
        MainWindow().BuildEveryPage();
        for (NumericField* field : MainWindow().findChildren<NumericField*>()) {
            if (!field->Box()->text().isEmpty()) ++boxes;
        }
        ForEachRewrittenLine(
            [&](const std::string& key, std::string_view was, const std::string& now) {
                const auto shown = WithoutTrailingZeros(was);
                if (!shown || !WithoutTrailingZeros(now)) return;
                ++respelled;
                if (now != *shown) ++offRule;
                EXPECT_EQ(now, *shown) << key << "=" << was;
            });
    });
    std::cout << boxes << " numeric boxes showing a number; " << respelled
              << " show the file's number without its trailing zeros, " << offRule
              << " show another text\n";
}

}  // namespace
}  // namespace kestrane::test
