// The 17 weapon priority rows through the real main window: the list shows the weapons by the
// probe's priorities, highest in box 16; moving one weapon up a box and saving swaps the two
// numbers of those weapons' sections and changes nothing else.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

#include "tests/rows/rows_window.h"

namespace kestrane::test {
namespace {

struct Weapon {
    std::string name;
    std::string section;
    int priority;
};

TEST_F(RowsWindowTest, TheListFollowsThePrioritiesAndAMoveSwapsTwoNumbers) {
    std::vector<Weapon> weapons;
    for (const TableLine& line : ReadTable("weapon_priority.txt")) {
        weapons.push_back({line.Cell(0), line.Cell(1), std::stoi(line.Cell(2))});
    }
    ASSERT_EQ(weapons.size(), 17u);
    // Box 16 - r shows the weapon of rank r, highest first.
    std::vector<Weapon> ranked = weapons;
    std::sort(ranked.begin(), ranked.end(),
              [](const Weapon& a, const Weapon& b) { return a.priority > b.priority; });
    const auto box = [&](int i) { return Get<QLineEdit>({"tbx_WeaponPriority", i}); };
    const auto line = [](const Weapon& w) {
        return Probe::Full().LineOf("User.ini", w.section, "Priority");
    };

    OpenProbe();
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE("box " + std::to_string(i));
        Reload();
        for (int b = 0; b < 17; ++b) {
            ASSERT_NE(box(b), nullptr);
            EXPECT_EQ(box(b)->text().toStdString(), ranked[static_cast<size_t>(16 - b)].name)
                << "box " << b;
        }
        ShowPageOf(box(i));
        QTest::mouseClick(box(i), Qt::LeftButton);
        Get<QAbstractButton>({"b_WeaponMove", 0})->click();
        Save();
        const Weapon& moved = ranked[static_cast<size_t>(16 - i)];
        const Weapon& passed = ranked[static_cast<size_t>(15 - i)];
        ExpectFiles({{{"User.ini", line(moved)}, std::to_string(passed.priority)},
                     {{"User.ini", line(passed)}, std::to_string(moved.priority)}});
    }
}

}  // namespace
}  // namespace kestrane::test
