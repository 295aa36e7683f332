// Load and save of the player, HUD, message and alias rows through the real main window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>

#include "editor/binding/settings_walks.h"
#include "editor/store/program_state.h"
#include "editor/widgets/picture_box.h"
#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;

// The value of the first line "key=..." of a file's text; "<none>" when no line has the key.
std::string ValueIn(const std::string& text, const std::string& key) {
    const std::string start = key + "=";
    size_t at = text.rfind(start, 0) == 0 ? 0 : text.find("\r\n" + start);
    if (at == std::string::npos) return "<none>";
    if (at != 0) at += 2;
    const size_t begin = at + start.size();
    return text.substr(begin, text.find("\r\n", begin) - begin);
}

struct TextRow {
    const char* key;
    const char* value;
    ControlRef control;
    const char* shown;  // a save with no edit writes `value` back
};

const TextRow kTextRows[] = {
    {"Name", "Some|Name", {"tbx_Name"}, "Some|Name"},
    {"StatsUsername", "statsman", {"tbx_Stat_Name"}, "statsman"},
    {"StatsPassword", "secret99", {"tbx_Stat_Pass"}, "secret99"},
    {"Bob", "0.006000", {"tbx_Bob"}, "0.006"},
    {"DesiredFOV", "90.000000", {"tbx_FOV"}, "90"},
    // A number beyond a field's range shows as the file holds it; the range acts on edits.
    {"DefaultFOV", "200", {"tbx_FOV2"}, "200"},
    {"TextToSpeechVoiceVolume", "12", {"tbx_Comm", 0}, "12"},
    {"AnnouncerVolume", "4", {"tbx_Comm", 1}, "4"},
    {"AnnouncerLevel", "2", {"tbx_Comm", 2}, "2"},
    {"AmbientSoundScaling", "0.800000", {"tbx_Comm", 3}, "0.8"},
    {"HudOpacity", "300", {"tbx_Comm", 4}, "300"},
    {"HudScale", "0.800000", {"tbx_Comm", 5}, "0.8"},
    {"ConsoleMessageCount", "4", {"tbx_Comm", 6}, "4"},
    {"ConsoleFontSize", "12", {"tbx_Comm", 7}, "12"},
    {"MessageFontOffset", "0", {"tbx_Comm", 8}, "0"},
    {"DynamicPingThreshold", "-50", {"tbx_Comm", 9}, "-50"},
    {"ConfiguredInternetSpeed", "1234567", {"tbx_Comm", 10}, "1234567"},
    {"ConfiguredLanSpeed", "20000", {"tbx_Comm", 11}, "20000"},
};

struct FlagRow {
    const char* key;
    ControlRef control;
};

const FlagRow kFlagRows[] = {
    {"bEnableDodging", {"c_Mouse", 1}},
    {"bNoVoiceMessages", {"c_Comm", 0}},
    {"bNoVoiceTaunts", {"c_Comm", 1}},
    {"bNoAutoTaunts", {"c_Comm", 2}},
    {"bAutoTaunt", {"c_Comm", 3}},
    {"bNoTextToSpeechVoiceMessages", {"c_Comm", 4}},
    {"bOnlySpeakTeamText", {"c_Comm", 5}},
    {"bNoConsoleDeathMessages", {"c_Comm", 6}},
    {"bMessageBeep", {"c_Comm", 7}},
    {"bNoMatureLanguage", {"c_Comm", 8}},
    {"bVehicleShadows", {"c_Comm", 9}},
    {"bHideHUD", {"c_Hud", 0}},
    {"bShowWeaponInfo", {"c_Hud", 1}},
    {"bShowWeaponBar", {"c_Hud", 2}},
    {"bShowPersonalInfo", {"c_Hud", 3}},
    {"bShowPoints", {"c_Hud", 4}},
    {"bCrosshairShow", {"c_Hud", 5}},
    {"bShowPortrait", {"c_Hud", 6}},
    {"bNoEnemyNames", {"c_Hud", 7}},
    {"bQuietMenu", {"c_Hud", 8}},
    {"bNoToolTips", {"c_Hud", 9}},
    {"bNoCoronas", {"c_Hud", 10}},
    {"bWeaponBob", {"c_Hud", 11}},
    {"bNeverSwitchOnPickup", {"c_Hud", 12}},
    {"bSmallWeapons", {"c_Hud", 13}},
    {"bSmallWeaponBar", {"c_Hud", 14}},
    {"bAlwaysLevel", {"c_Hud", 15}},
    {"bKeyboardLook", {"c_Hud", 16}},
    {"bSnapToLevel", {"c_Hud", 17}},
    {"bLookUpStairs", {"c_Hud", 18}},
    {"bEnableStatsTracking", {"c_Hud", 19}},
    {"bDynamicNetSpeed", {"c_Hud", 20}},
    {"bEnableGUIForceFeedback", {"c_Hud", 21}},
    {"bEnableDamageForceFeedback", {"c_Hud", 22}},
    {"bEnablePickupForceFeedback", {"c_Hud", 23}},
    {"bEnableWeaponForceFeedback", {"c_Hud", 24}},
    {"bLandingShake", {"c_Hud", 25}},
    {"TeamBeaconUseCustomColor", {"c_CustomBeacon"}},
    {"bPlayerShadows", {"c_Player_Shadow"}},
    {"bPlayOwnFootsteps", {"c_Footsteps"}},
};

// Flag values in turn: a checked "True" in any case, and three that load unchecked.
const char* const kFlagValues[] = {"True", "False", "true", "1", "TRUE", "no"};

std::string FullUserIni() {
    std::string text = "[Engine.Input]\r\n";
    text += "Aliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n";
    text += "Aliases[1]=(Command=,Alias=)\r\n";
    text += "Aliases[2]=(Command=\"Jump\",Alias=Jump)\r\n";
    text += "[XGame.xPlayer]\r\n";
    text += "Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")\r\n";
    text += "Aliases=(MatchWords=(\"lol\"),ReplaceWord=\"laughing\")\r\n";
    text += "[XGame.xPawn]\r\nCharacter=jakob\r\nteam=0\r\nTotalUnlockedCharacters=Malcolm;xan\r\n";
    for (const TextRow& row : kTextRows) text += std::string(row.key) + "=" + row.value + "\r\n";
    text += "[XInterface.GUIController]\r\n";
    size_t k = 0;
    for (const FlagRow& row : kFlagRows) {
        text += std::string(row.key) + "=" + kFlagValues[k++ % std::size(kFlagValues)] + "\r\n";
    }
    return text;
}

class PlayerRowsTest : public EditorTest {
  protected:
    void WritePortrait(const char* name) {
        QImage image(8, 10, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        const std::string path = prefix->ProgramFolder() + "/Images/Characters/" + name + ".jpg";
        prefix->Write(std::string("Kestrane/Images/Characters/") + name + ".jpg", "");
        ASSERT_TRUE(image.save(QString::fromStdString(path), "JPG"));
    }
    bool PortraitShown() { return Controls().Get<PictureBox>({"pb_Player"})->HasPicture(); }
};

TEST_F(PlayerRowsTest, EveryRowLoadsAndASaveWithoutEditsWritesEveryValueAsRead) {
    WritePortrait("Jakob");
    Install(FullUserIni());
    ASSERT_TRUE(Start());
    for (const TextRow& row : kTextRows) {
        EXPECT_EQ(Controls().Text(row.control), row.shown) << row.key;
    }
    size_t k = 0;
    for (const FlagRow& row : kFlagRows) {
        const std::string value = kFlagValues[k++ % std::size(kFlagValues)];
        EXPECT_EQ(Controls().Value(row.control),
                  value == "True" || value == "true" || value == "TRUE")
            << row.key;
    }
    EXPECT_EQ(Controls().Text({"cb_Character"}), "jakob");
    EXPECT_TRUE(PortraitShown());
    EXPECT_EQ(Controls().Value({"rb_Red"}), 1);
    EXPECT_EQ(Controls().Value({"rb_Blue"}), 0);
    EXPECT_EQ(Controls().Text({"tbx_Total_Unockedl_Char"}), "2 of 3");
    EXPECT_FALSE(State().quietMenuMissing);
    // Lines joined by CR LF, none after the last; the empty entry is left out.
    EXPECT_EQ(Controls().Text({"RTB_Aliases"}),
              "Aliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
              "Aliases[2]=(Command=\"Jump\",Alias=Jump)");
    EXPECT_EQ(Controls().Text({"RTB_TextToSpeechAlias"}),
              "Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")\r\n"
              "Aliases=(MatchWords=(\"lol\"),ReplaceWord=\"laughing\")");

    // Respelled on the boxes, every value goes back as the file had it.
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), FullUserIni());
}

// Only what the player changed is written. A box set back before a save still shows what the
// file holds, so the file's own text stays; one set back after a save holds an edit of what
// that save wrote, and the file takes it.
TEST_F(PlayerRowsTest, AnEditedBoxWritesItsTextAndASetBackOneWhatItShows) {
    Install(FullUserIni());
    ASSERT_TRUE(Start());
    ASSERT_EQ(Controls().Text({"tbx_Comm", 5}), "0.8");
    const int weaponInfo = Controls().Value({"c_Hud", 1});
    Controls().SetText({"tbx_Comm", 5}, "1");
    Controls().SetValue({"c_Hud", 1}, 1 - weaponInfo);
    Controls().SetText({"tbx_Comm", 5}, "0.8");
    Controls().SetValue({"c_Hud", 1}, weaponInfo);
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), FullUserIni());

    Controls().SetText({"tbx_Comm", 5}, "1");
    Controls().SetValue({"c_Hud", 1}, 1 - weaponInfo);
    Trigger("frmFileSave");
    EXPECT_EQ(ValueIn(SystemFile("User.ini"), "HudScale"), "1");
    EXPECT_EQ(ValueIn(SystemFile("User.ini"), "bShowWeaponInfo"), weaponInfo ? "False" : "True");
    Controls().SetText({"tbx_Comm", 5}, "0.8");
    Controls().SetValue({"c_Hud", 1}, weaponInfo);
    Trigger("frmFileSave");
    EXPECT_EQ(ValueIn(SystemFile("User.ini"), "HudScale"), "0.8");
    EXPECT_EQ(ValueIn(SystemFile("User.ini"), "bShowWeaponInfo"), weaponInfo ? "True" : "False");
}

TEST_F(PlayerRowsTest, EditedControlsAreSavedOnTheirLines) {
    Install(FullUserIni());
    ASSERT_TRUE(Start());
    Controls().SetText({"tbx_Name"}, "Newcomer");
    Controls().SetText({"cb_Character"}, "Torch");
    Controls().SetValue({"rb_Blue"}, 1);
    Controls().SetText({"tbx_Comm", 4}, "128");
    Controls().SetValue({"c_Mouse", 1}, 0);
    Controls().SetValue({"c_Hud", 25}, 0);
    Controls().SetValue({"c_CustomBeacon"}, 0);
    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_EQ(ValueIn(saved, "Name"), "Newcomer");
    EXPECT_EQ(ValueIn(saved, "Character"), "Torch");
    EXPECT_EQ(ValueIn(saved, "team"), "1");
    EXPECT_EQ(ValueIn(saved, "HudOpacity"), "128");
    EXPECT_EQ(ValueIn(saved, "bEnableDodging"), "False");
    EXPECT_EQ(ValueIn(saved, "bLandingShake"), "False");
    EXPECT_EQ(ValueIn(saved, "TeamBeaconUseCustomColor"), "False");
}

// Values other than "0" load as blue; the game's 255 (no team) stays until a team is picked.
TEST_F(PlayerRowsTest, TeamValuesLoadBlueUnlessZeroAndStayUntilATeamIsPicked) {
    for (const char* value : {"0", "1", "2", "red", "255"}) {
        SCOPED_TRACE(value);
        DestroyMainWindow();
        ResetState();
        Install(std::string("[XGame.xPawn]\r\nteam=") + value + "\r\n");
        ASSERT_TRUE(Start());
        const bool red = std::string(value) == "0";
        EXPECT_EQ(Controls().Value({"rb_Blue"}), red ? 0 : 1);
        Trigger("frmFileSave");
        EXPECT_EQ(ValueIn(SystemFile("User.ini"), "team"), value);
        Controls().SetValue({"rb_Red"}, red ? 0 : 1);
        Controls().SetValue({"rb_Blue"}, red ? 1 : 0);
        Trigger("frmFileSave");
        EXPECT_EQ(ValueIn(SystemFile("User.ini"), "team"), red ? "1" : "0");
    }
}

TEST_F(PlayerRowsTest, MissingKeysShowTheirDefaultsAndStoreNothing) {
    Install("[XGame.xPawn]\r\nName=Solo\r\n[XInterface.GUIController]\r\nbNoToolTips=True\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Controls().Text({"cb_Character"}), "None");
    EXPECT_FALSE(PortraitShown());
    EXPECT_EQ(Controls().Value({"rb_Blue"}), 1);
    EXPECT_EQ(Controls().Text({"tbx_Total_Unockedl_Char"}), "0 of 3");
    EXPECT_EQ(Controls().Text({"tbx_Comm", 4}), "");
    EXPECT_TRUE(State().quietMenuMissing);
    EXPECT_EQ(Controls().Value({"c_Hud", 8}), 0);
    // A box whose key the file lacks takes no edit that would never be saved; its steppers
    // follow it. The two menu switches stay: the writer adds their lines.
    QWidget* opacity = Controls().Find({"tbx_Comm", 4});
    EXPECT_FALSE(opacity->isEnabled());
    EXPECT_NE(opacity->toolTip().toStdString().find("Not in User.ini: the file has no HudOpacity"),
              std::string::npos)
        << opacity->toolTip().toStdString();
    EXPECT_FALSE(Controls().Find({"b_Add", 4})->isEnabled());
    EXPECT_TRUE(Controls().Find({"tbx_Name"})->isEnabled());
    EXPECT_TRUE(Controls().Find({"c_Hud", 8})->isEnabled());
    EXPECT_TRUE(Controls().Find({"c_Hud", 9})->isEnabled());

    Controls().SetValue({"c_Hud", 8}, 1);
    Trigger("frmFileSave");
    // Nothing added for the missing keys but the two lines the writer adds for bQuietMenu.
    EXPECT_EQ(SystemFile("User.ini"),
              "[XGame.xPawn]\r\nName=Solo\r\n[XInterface.GUIController]\r\nbQuietMenu=True\r\n"
              "bNoToolTips=True\r\nbNoToolTips=True\r\n");
}

TEST_F(PlayerRowsTest, AReloadWithoutQuietMenuKeepsTheBoxAsItWas) {
    Install("[XInterface.GUIController]\r\nbQuietMenu=\r\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(State().quietMenuMissing);
    Controls().SetValue({"c_Hud", 8}, 1);
    BindingContext ctx = MainWindow().Binding();
    ASSERT_FALSE(Load_INI_Form(ctx).has_value());
    EXPECT_EQ(Controls().Value({"c_Hud", 8}), 1);
    Trigger("frmFileSave");
    // The reload left the box as it was, so the empty line stays as read; the writer adds its
    // own lines under the header.
    EXPECT_EQ(SystemFile("User.ini"),
              "[XInterface.GUIController]\r\nbQuietMenu=True\r\nbNoToolTips=False\r\n"
              "bQuietMenu=\r\n");
}

TEST_F(PlayerRowsTest, ACharacterTheListLacksIsKeptAndAMissingPortraitLeavesTheBoxEmpty) {
    Install("[XGame.xPawn]\r\nCharacter=MyCustomSkin\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Controls().Text({"cb_Character"}), "MyCustomSkin");
    EXPECT_FALSE(PortraitShown());
    EXPECT_TRUE(responder->Messages().empty());
    Trigger("frmFileSave");
    EXPECT_EQ(ValueIn(SystemFile("User.ini"), "Character"), "MyCustomSkin");
}

TEST_F(PlayerRowsTest, UnlockedCharactersCountsTheThreeNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Malcolm,ClanLord,Xan", "3 of 3"}, {"CLANLORD", "1 of 3"}, {"Gorge", "0 of 3"}};
    for (const auto& [value, shown] : cases) {
        DestroyMainWindow();
        ResetState();
        Install(std::string("[XGame.xPawn]\r\nTotalUnlockedCharacters=") + value + "\r\n");
        ASSERT_TRUE(Start());
        EXPECT_EQ(Controls().Text({"tbx_Total_Unockedl_Char"}), shown) << value;
    }
}

}  // namespace
}  // namespace kestrane
