// The " Weapons Priority" page as a player uses it: the list in priority order, selecting a
// weapon, the move buttons, and what a save deals out.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <set>

#include "editor/store/program_state.h"
#include "editor/store/weapon_priority_sort.h"
#include "editor/widgets/picture_box.h"
#include "tests/weapons/weapons_test_support.h"

namespace kestrane::test {
namespace {

// A 1 x 1 GIF.
const std::string kGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
    "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00"
    "\x02\x02\x44\x01\x00;",
    43);

class PriorityTest : public WeaponsWindowTest {
  protected:
    QLineEdit* Box(int i) { return Controls().Get<QLineEdit>({"tbx_WeaponPriority", i}); }
    void Select(int i) {
        QTest::mouseClick(Box(i), Qt::LeftButton);
        ASSERT_TRUE(Box(i)->hasFocus());
    }
    void Move(bool up, int times = 1) {
        auto* button = Controls().Get<QAbstractButton>({"b_WeaponMove", up ? 0 : 1});
        for (int n = 0; n < times; ++n) QTest::mouseClick(button, Qt::LeftButton);
    }
    std::string Label(const char* name, int index = -1) {
        return Controls().Get<QLabel>({name, index})->text().toStdString();
    }
    std::string Saved() {
        Trigger("frmFileSave");
        return SystemFile("User.ini");
    }
    // The names top row first.
    std::vector<std::string> Shown() {
        std::vector<std::string> names;
        for (int i = 16; i >= 0; --i) names.push_back(Box(i)->text().toStdString());
        return names;
    }
    // Saves, ends the editor and starts it again on the files it wrote: the list then shows
    // what the files hold. Returns how many weapons' Priority lines the save changed; every
    // other line must stay.
    int SaveAndRestart(const std::string& before) {
        const std::string saved = Saved();
        int changed = 0;
        for (const WeaponSection& w : WeaponSections) {
            if (ValueIn(saved, w.section, "Priority") != ValueIn(before, w.section, "Priority")) {
                ++changed;
            }
        }
        TearDown();
        SetUp();
        Open(saved);
        return changed;
    }
};

// Weapon j of the table has the priority the real User.ini of a player gives it: Ion Painter
// and ONS-Painter tied at 15.
std::string RealPriorities() {
    static const char* values[17] = {"16", "15", "15", "12", "11", "14", "13", "10", "9",
                                     "8",  "7",  "6",  "5",  "4",  "3",  "2",  "1"};
    return WeaponsUserIni([](int j) { return WeaponLines{.priority = values[j]}; });
}

// Weapon j of the table has priority 17 - j: the table order from the top.
std::string Descending() {
    static std::string values[17];
    return WeaponsUserIni([](int j) {
        values[j] = std::to_string(17 - j);
        return WeaponLines{.priority = values[j].c_str()};
    });
}

TEST_F(PriorityTest, HighestAtTheTopAndAnUnmovedListSavesAsRead) {
    // Values out of table order, one with leading zeros.
    static const char* values[17] = {"3",  "0012", "5", "17", "1",  "9",  "2",  "16", "4",
                                     "10", "6",    "8", "7",  "13", "14", "15", "11"};
    const std::string user =
        WeaponsUserIni([](int j) { return WeaponLines{.priority = values[j]}; });
    Open(user);
    EXPECT_EQ(Box(16)->text(), "Classic Sniper");    // 17
    EXPECT_EQ(Box(15)->text(), "Grenade Launcher");  // 16
    EXPECT_EQ(Box(11)->text(), "Ion Painter");       // "0012"
    EXPECT_EQ(Box(0)->text(), "Lightning Gun");      // 1
    EXPECT_EQ(State().weaponPriorityValues[5], "12");
    EXPECT_EQ(Saved(), user);
}

TEST_F(PriorityTest, EqualPrioritiesKeepTheSortsOrderAndAnExchangeOfThemIsKept) {
    static const char* values[17] = {"9", "5", "5", "5", "9", "5", "5", "5", "5",
                                     "5", "5", "5", "5", "5", "5", "5", "1"};
    const std::string user =
        WeaponsUserIni([](int j) { return WeaponLines{.priority = values[j]}; });
    Open(user);
    std::array<std::string, 17> names, vals;
    for (size_t j = 0; j < 17; ++j) {
        names[j] = std::string(WeaponSections[j].display);
        vals[j] = values[j];
    }
    SortWeaponPriority(names, vals, true);
    for (int j = 0; j < 17; ++j) EXPECT_EQ(Box(16 - j)->text().toStdString(), names[j]) << j;

    Select(8);  // two weapons of priority 5 change places
    Move(true);
    EXPECT_EQ(Box(9)->text().toStdString(), names[8]);
    // The exchange is kept: after a restart the list shows it.
    const std::vector<std::string> shown = Shown();
    SaveAndRestart(user);
    EXPECT_EQ(Shown(), shown);
}

// Tied priorities as a real file holds them: each move, saved and read back after a restart,
// shows the order the player left, and weapons the move did not pass keep their lines.
TEST_F(PriorityTest, TiedPrioritiesComeBackInTheOrderShownAfterARestart) {
    const struct {
        const char* weapon;
        bool up;
        int times;
    } moves[] = {{"Flak Cannon", true, 1},
                 {"ONS-Painter", true, 2},
                 {"Ion Painter", true, 1},
                 {"Redeemer", false, 2},
                 {"Translauncher", true, 16}};
    for (const auto& m : moves) {
        SCOPED_TRACE(m.weapon);
        TearDown();
        SetUp();
        const std::string user = RealPriorities();
        Open(user);
        const std::vector<std::string> before = Shown();
        ASSERT_EQ(before[0], "Redeemer");
        int box = 0;
        while (box < 17 && Box(box)->text().toStdString() != m.weapon) ++box;
        ASSERT_LT(box, 17);
        Select(box);
        Move(m.up, m.times);
        const std::vector<std::string> shown = Shown();
        ASSERT_NE(shown, before);
        const int changed = SaveAndRestart(user);
        EXPECT_EQ(Shown(), shown);
        // The weapons passed trade numbers; a tie in the way costs at most two more lines.
        EXPECT_LE(changed, m.times + 1 + 2);
    }
}

TEST_F(PriorityTest, OneMoveUpChangesTheTwoLinesOfTheMovedBoxes) {
    const std::string user = Descending();
    Open(user);
    ASSERT_EQ(Box(12)->text(), "Lightning Gun");  // row 5, value 13
    Select(12);
    Move(true);
    EXPECT_EQ(Box(13)->text(), "Lightning Gun");
    EXPECT_TRUE(Box(13)->hasFocus());
    const std::string saved = Saved();
    EXPECT_EQ(ValueIn(saved, "[XWeapons.SniperRifle]", "Priority"), "14");
    EXPECT_EQ(ValueIn(saved, "[UTClassic.ClassicSniperRifle]", "Priority"), "13");
    std::string expected = user;
    expected.replace(expected.find("Priority=14"), 11, "Priority=13");
    expected.replace(expected.find("Priority=13", expected.find("[XWeapons.SniperRifle]")), 11,
                     "Priority=14");
    EXPECT_EQ(saved, expected);
}

TEST_F(PriorityTest, FromTheBottomBoxToTheTopTakesTheHighestNumber) {
    Open(Descending());
    ASSERT_EQ(Box(0)->text(), "Translauncher");
    Select(0);
    Move(true, 16);
    EXPECT_EQ(Box(16)->text(), "Translauncher");
    Move(true);  // the top row only keeps the focus
    EXPECT_EQ(Box(16)->text(), "Translauncher");
    EXPECT_TRUE(Box(16)->hasFocus());
    const std::string saved = Saved();
    EXPECT_EQ(ValueIn(saved, "[XWeapons.Translauncher]", "Priority"), "17");
    // Every other weapon stands one box lower and takes that box's number.
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(ValueIn(saved, WeaponSections[j].section, "Priority"), std::to_string(16 - j))
            << WeaponSections[j].display;
    }
}

TEST_F(PriorityTest, BeforeAnySelectionUpSwapsTheBottomRowsAndDownOnlyFocuses) {
    Open(Descending());
    Move(false);
    EXPECT_EQ(Box(0)->text(), "Translauncher");
    EXPECT_TRUE(Box(0)->hasFocus());
    Move(true);
    EXPECT_EQ(Box(0)->text(), "Shield Gun");
    EXPECT_EQ(Box(1)->text(), "Translauncher");
    EXPECT_TRUE(Box(1)->hasFocus());
}

TEST_F(PriorityTest, MissingOddAndRepeatedPrioritiesStillListSeventeenAndSaveAsRead) {
    std::string user = WeaponsUserIni([](int j) {
        switch (j) {
            case 3:
                return WeaponLines{.priority = "abc"};
            case 5:
                return WeaponLines{.priority = "9"};
            case 6:
                return WeaponLines{.priority = "9"};
            case 9:
                return WeaponLines{.priority = nullptr};  // AVRiL: no Priority line
            case 10:
                return WeaponLines{.priority = "40"};
            default:
                return WeaponLines{.priority = "7"};
        }
    });
    // Minigun's section is gone altogether.
    const size_t from = user.find("[XWeapons.Minigun]");
    user.erase(from, user.find("[Onslaught.ONSAVRiL]") - from);
    Open(user);
    std::set<std::string> shown;
    for (int i = 0; i < 17; ++i) shown.insert(Box(i)->text().toStdString());
    EXPECT_EQ(shown.size(), 17u);
    EXPECT_EQ(Box(16)->text(), "LinkGun");
    // AVRiL reads no number of its own, not LinkGun's 40 from the next section.
    for (int i = 0; i < 17; ++i) {
        if (Box(i)->text() == "AVRiL") {
            EXPECT_EQ(State().weaponPriorityValues[16 - i], "0");
        }
    }
    EXPECT_EQ(Saved(), user);

    // A weapon without a line of its own keeps no place: its box says so and takes no
    // selection. A weapon moved past it keeps its own number, and no other weapon is given
    // the 0 it reads.
    int avril = 0;
    while (Box(avril)->text() != "AVRiL") ++avril;
    EXPECT_FALSE(Box(avril)->isEnabled());
    EXPECT_EQ(Box(avril)->toolTip(),
              "Not in User.ini: [Onslaught.ONSAVRiL] has no Priority line, so this setting is "
              "not saved.");
    ASSERT_LT(avril, 15);
    Select(avril + 1);
    const QString passing = Box(avril + 1)->text();
    Move(false);
    EXPECT_EQ(Box(avril)->text(), passing);
    EXPECT_TRUE(Box(avril)->isEnabled());
    EXPECT_FALSE(Box(avril + 1)->isEnabled());  // the greying goes with AVRiL
    EXPECT_EQ(Saved(), user);
}

TEST_F(PriorityTest, SelectingShowsTheWeaponAndAMissingPictureLeavesItsBoxEmpty) {
    WriteProgramFile("Images/Weapon Pics/LinkGun.gif", kGif);
    WriteProgramFile("Images/Weapon Small Pics/sLinkGun.gif", kGif);
    Open(Descending());
    EXPECT_EQ(Label("lbl_Movement", 1), "W E A P O N  I N F O ");
    const std::string before = Label("lbl_WeaponInfo");
    EXPECT_FALSE(before.empty());
    auto* big = Controls().Get<PictureBox>({"pic_WeaponPriorityBig"});
    auto* small = Controls().Get<PictureBox>({"pic_WeaponPrioritySmall"});

    ASSERT_EQ(Box(6)->text(), "LinkGun");
    Select(6);
    EXPECT_EQ(Label("lbl_Movement", 1), "L i n k   G u n");
    EXPECT_NE(Label("lbl_WeaponInfo"), before);
    EXPECT_TRUE(big->HasPicture());
    EXPECT_TRUE(small->HasPicture());
    EXPECT_EQ(Box(6)->font().pointSize(), 12);

    Select(14);  // ONS-Painter: no pictures placed
    EXPECT_EQ(Box(6)->font().pointSize(), 10);
    EXPECT_EQ(Label("lbl_Movement", 1), "O N S -  P a i n t e r");
    EXPECT_FALSE(big->HasPicture());
    EXPECT_FALSE(small->HasPicture());
}

}  // namespace
}  // namespace kestrane::test
