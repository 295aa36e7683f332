// The "Weapons" page as a player uses it: the switches, the crosshair scales with their
// steppers, and the crosshairs with their previews.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>

#include "editor/widgets/picture_box.h"
#include "tests/weapons/weapons_test_support.h"

namespace kestrane::test {
namespace {

class WeaponsTabTest : public WeaponsWindowTest {
  protected:
    // Panel k's section (the list without its ONS-Painter row).
    static std::string_view Section(int k) { return WeaponPanelSection(k); }
    int Checked(const char* name, int index) { return Controls().Value({name, index}); }
    bool PictureShown(int k) { return Controls().Get<PictureBox>({"p_CrossPic", k})->HasPicture(); }
    void WriteCrosshair(const char* name) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::green);
        const std::string rel = std::string("Images/CrossHairs/") + name + ".jpg";
        WriteProgramFile(rel, "");
        ASSERT_TRUE(image.save(QString::fromStdString(prefix->ProgramFolder() + "/" + rel), "JPG"));
    }
    // Picks `name` from panel k's list, as a click on the list does.
    void Pick(int k, const char* name) {
        auto* combo = Controls().Get<QComboBox>({"cbx_Cross", k});
        const int item = combo->findText(name);
        ASSERT_GE(item, 0) << name;
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }
};

// Panel k (16 weapons) takes the switch values of row k; the panel is listed by section.
TEST_F(WeaponsTabTest, SwitchesLoadByTheirZeroAndFalseTestsAndSaveTheirOwnTexts) {
    struct Case {
        const char* fireModes;
        int fireChecked;
        const char* oldMesh;
        int meshChecked;
    };
    static const Case cases[16] = {
        {"0", 0, "False", 0}, {"1", 1, "false", 0}, {"2", 1, "FALSE", 0}, {"True", 1, "0", 1},
        {"", 1, "True", 1},   {"0", 0, "False", 0}, {"0", 0, "", 1},      {"0", 0, "False", 0},
        {"0", 0, "False", 0}, {"0", 0, "False", 0}, {"0", 0, "False", 0}, {"0", 0, "False", 0},
        {"0", 0, "False", 0}, {"0", 0, "False", 0}, {"0", 0, "False", 0}, {nullptr, 1, nullptr, 1}};
    const std::string user = WeaponsUserIni([](int j) {
        if (j == 2) return WeaponLines{};  // ONS-Painter has no panel
        const Case& c = cases[j < 2 ? j : j - 1];
        return WeaponLines{.fireModes = c.fireModes, .oldMesh = c.oldMesh};
    });
    Open(user);
    for (int k = 0; k < 16; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Checked("c_SwapFire", k), cases[k].fireChecked);
        EXPECT_EQ(Checked("c_OldMesh", k), cases[k].meshChecked);
    }
    EXPECT_EQ(Checked("c_OldMesh", 16), 1);
    EXPECT_EQ(SystemFile("User.ini"), user);
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), user);  // nothing touched: every text as read

    // A switch the player flips writes its form's text.
    for (int k : {0, 3, 4})
        QTest::mouseClick(Controls().Get<QCheckBox>({"c_SwapFire", k}), Qt::LeftButton);
    QTest::mouseClick(Controls().Get<QCheckBox>({"c_OldMesh", 3}), Qt::LeftButton);
    QTest::mouseClick(Controls().Get<QCheckBox>({"c_OldMesh", 16}), Qt::LeftButton);
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_EQ(ValueIn(saved, Section(0), "ExchangeFireModes"), "1");
    EXPECT_EQ(ValueIn(saved, Section(3), "ExchangeFireModes"), "0");
    EXPECT_EQ(ValueIn(saved, Section(4), "ExchangeFireModes"), "0");
    EXPECT_EQ(ValueIn(saved, Section(3), "bUseOldWeaponMesh"), "False");
    EXPECT_EQ(ValueIn(saved, Section(15), "bUseOldWeaponMesh"), "<none>");  // no line added
    EXPECT_EQ(ValueIn(saved, "[XWeapons.Translauncher]", "bPrevWeaponSwitch"), "False");
    EXPECT_EQ(ValueIn(saved, Section(1), "bUseOldWeaponMesh"), "false");
}

TEST_F(WeaponsTabTest, ScaleShowsItsNumberAndItsStepperWalksByFifths) {
    const std::string user = WeaponsUserIni([](int) { return WeaponLines{}; });
    Open(user);
    QLineEdit* scale = Controls().Get<QLineEdit>({"tbx_Comm", 12});
    EXPECT_EQ(scale->text(), "1");  // 1.000000 without the zeros ending it
    scale->setFocus(Qt::MouseFocusReason);
    scale->selectAll();
    QTest::keyClicks(scale, "0");
    ASSERT_EQ(scale->text(), "0");
    auto* up = Controls().Get<QAbstractButton>({"b_Add", 12});
    for (const char* expected : {"0.2", "0.4", "0.6", "0.8", "1"}) {
        QTest::mouseClick(up, Qt::LeftButton);
        EXPECT_EQ(scale->text(), expected);
    }
    scale->selectAll();
    QTest::keyClicks(scale, "x");  // no number: the text it had on focus comes back
    EXPECT_EQ(scale->text(), "1");
    QTest::keyClicks(scale, ".05");
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_EQ(ValueIn(saved, Section(0), "CustomCrossHairScale"), "1.05");
    EXPECT_EQ(ValueIn(saved, Section(1), "CustomCrossHairScale"), "1.000000");
}

TEST_F(WeaponsTabTest, CrosshairsInAnyCaseUnknownOrMissingAndTheirPictures) {
    WriteCrosshair("Dot");
    WriteCrosshair("Tank");
    const std::string user = WeaponsUserIni([](int j) {
        switch (j) {
            case 0:
                return WeaponLines{.texture = "crosshairs.hud.CROSSHAIR_DOT"};
            case 1:
                return WeaponLines{.texture = "MyPack.MyCrosshair"};
            case 16:
                return WeaponLines{.texture = nullptr};
            case 4:
                return WeaponLines{.texture = "ONSInterface-TX.avrilRETICLEtrack"};
            default:
                return WeaponLines{};
        }
    });
    Open(user);
    EXPECT_EQ(Text("cbx_Cross", 0), "Dot");
    EXPECT_TRUE(PictureShown(0));
    EXPECT_EQ(Text("cbx_Cross", 1), "Cross 1");   // unknown texture
    EXPECT_FALSE(PictureShown(1));                // no "Cross 1.jpg": an empty frame
    EXPECT_EQ(Text("cbx_Cross", 15), "Cross 1");  // no line at all: no choice is kept
    QWidget* noLine = Controls().Find({"cbx_Cross", 15});
    EXPECT_FALSE(noLine->isEnabled());
    EXPECT_EQ(noLine->toolTip(),
              "Not in User.ini: [XWeapons.Translauncher] has no CustomCrossHairTextureName line, "
              "so this setting is not saved.");
    EXPECT_TRUE(Controls().Find({"cbx_Cross", 14})->isEnabled());
    EXPECT_EQ(Text("cbx_Cross", 3), "Avril Track");
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), user);  // each texture kept as the file spells it

    Pick(1, "Tank");
    EXPECT_TRUE(PictureShown(1));
    EXPECT_FALSE(PictureShown(2));
    Pick(0, "Avril");  // a picture file that is missing empties the box
    EXPECT_FALSE(PictureShown(0));
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_EQ(ValueIn(saved, Section(0), "CustomCrossHairTextureName"),
              "ONSInterface-TX.avrilRETICLE");
    EXPECT_EQ(ValueIn(saved, Section(1), "CustomCrossHairTextureName"),
              "ONSInterface-TX.TankRectile");
    EXPECT_EQ(ValueIn(saved, Section(15), "CustomCrossHairTextureName"), "<none>");
    EXPECT_EQ(ValueIn(saved, Section(3), "CustomCrossHairTextureName"),
              "ONSInterface-TX.avrilRETICLEtrack");
}

}  // namespace
}  // namespace kestrane::test
