// Every save step through the real window, edited, saved, set back and saved again: the file
// ends holding the set-back value, whichever step writes it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "editor/store/ini_store.h"
#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;

constexpr const char* kUser =
    "[Engine.Input]\r\nAliases[0]=(Command=\"Jump\",Alias=Jump)\r\nSpace=Jump\r\n"
    "[DefaultPlayer]\r\nName=Player\r\n"
    "[XGame.xPlayer]\r\nbHideHUD=False\r\nHudScale=0.800000\r\nbInvertMouse=False\r\n"
    "bEnableDodging=True\r\nTeamBeaconUseCustomColor=False\r\n"
    "IRCTextColor=(B=10,G=20,R=30,A=255)\r\n"
    "[XWeapons.Redeemer]\r\nPriority=5\r\nExchangeFireModes=0\r\n"
    "CustomCrossHairTextureName=Crosshairs.HUD.Crosshair_Cross1\r\n"
    "[XWeapons.Painter]\r\nPriority=4\r\n";
constexpr const char* kUt =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
    ";RenderDevice=D3D9Drv.D3D9RenderDevice\r\n;RenderDevice=Engine.NullRenderDevice\r\n"
    ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\r\n;RenderDevice=PixoDrv.PixoRenderDevice\r\n"
    "[WinDrv.WindowsClient]\r\nFullscreenViewportX=1280\r\nFullscreenViewportY=1024\r\n"
    "Gamma=0.800000\r\nStartupFullscreen=True\r\n"
    "[SDLDrv.SDLClient]\r\nFullscreenViewportX=1280\r\nFullscreenViewportY=1024\r\n"
    "[ALAudio.ALAudioSubsystem]\r\nDisablePitch=False\r\n"
    "[OpenGLDrv.OpenGLRenderDevice]\r\nDetailTextures=True\r\n";

class SetBackTest : public EditorTest {
  public:
    using EditorTest::Controls;

    void Click(const char* name, int index = -1) {
        QTest::mouseClick(Controls().Get<QAbstractButton>({name, index}), Qt::LeftButton);
    }
    void Type(const char* name, int index, const char* text) {
        Controls().SetText({name, index}, text);
    }
    // The priority list: the weapon in box 16 one row down, or back up.
    void MoveTopWeapon(bool down) {
        auto* box = Controls().Get<QLineEdit>({"tbx_WeaponPriority", down ? 16 : 15});
        QTest::mouseClick(box, Qt::LeftButton);
        Click("b_WeaponMove", down ? 1 : 0);
    }
};

struct Case {
    const char* name;
    std::function<void(SetBackTest&)> edit;
    std::function<void(SetBackTest&)> setBack;
    bool user;  // User.ini, else UT2004.ini
    const char* section;
    const char* key;
    const char* edited;
    const char* setBackValue;
};

std::string ValueIn(const std::string& text, const char* section, const char* key) {
    IniStore store;
    store.Load(text);
    return GetVal2(store, key, section);
}

TEST_F(SetBackTest, EachSaveStepWritesAValueSetBackAfterASave) {
    auto toggle = [](const char* name, int index) {
        return [name, index](SetBackTest& t) { t.Click(name, index); };
    };
    auto type = [](const char* name, int index, const char* text) {
        return [name, index, text](SetBackTest& t) { t.Type(name, index, text); };
    };
    const char* kClient = "[WinDrv.WindowsClient]";
    const char* kPlayer = "[XGame.xPlayer]";
    const Case cases[] = {
        // The steps of their own.
        {"resolution", type("cbx_Video", 0, "640 X 480"), type("cbx_Video", 0, "1280 X 1024"),
         false, kClient, "FullscreenViewportX", "640", "1280"},
        {"SDL copy", type("cbx_Video", 0, "640 X 480"), type("cbx_Video", 0, "1280 X 1024"), false,
         "[SDLDrv.SDLClient]", "FullscreenViewportY", "480", "1024"},
        {"render device", toggle("RenOption", 1), toggle("RenOption", 0), false, "[Engine.Engine]",
         "RenderDevice", "OpenGLDrv.OpenGLRenderDevice", "D3DDrv.D3DRenderDevice"},
        {"priorities", [](SetBackTest& t) { t.MoveTopWeapon(true); },
         [](SetBackTest& t) { t.MoveTopWeapon(false); }, true, "[XWeapons.Redeemer]", "Priority",
         "4", "5"},
        {"crosshair", type("cbx_Cross", 0, "Dot"), type("cbx_Cross", 0, "Cross 1"), true,
         "[XWeapons.Redeemer]", "CustomCrossHairTextureName", "Crosshairs.HUD.Crosshair_Dot",
         "Crosshairs.HUD.Crosshair_Cross1"},
        {"aliases", type("RTB_Aliases", -1, "Aliases[0]=(Command=\"Fire\",Alias=Fire)"),
         type("RTB_Aliases", -1, "Aliases[0]=(Command=\"Jump\",Alias=Jump)"), true,
         "[Engine.Input]", "Aliases[0]", "(Command=\"Fire\",Alias=Fire)",
         "(Command=\"Jump\",Alias=Jump)"},
        {"colour", type("txb_IRC_Red", 0, "40"), type("txb_IRC_Red", 0, "30"), true, kPlayer,
         "IRCTextColor", "(B=10,G=20,R=40,A=255)", "(B=10,G=20,R=30,A=255)"},
        // One plain row of each area.
        {"player", type("tbx_Name", -1, "Tester"), type("tbx_Name", -1, "Player"), true,
         "[DefaultPlayer]", "Name", "Tester", "Player"},
        {"HUD", toggle("c_Hud", 0), toggle("c_Hud", 0), true, kPlayer, "bHideHUD", "True", "False"},
        {"window client", toggle("c_Video", 0), toggle("c_Video", 0), false, kClient,
         "StartupFullscreen", "False", "True"},
        {"render section", toggle("c_OpenGL", 0), toggle("c_OpenGL", 0), false,
         "[OpenGLDrv.OpenGLRenderDevice]", "DetailTextures", "False", "True"},
        {"audio", toggle("c_Audio", 6), toggle("c_Audio", 6), false, "[ALAudio.ALAudioSubsystem]",
         "DisablePitch", "True", "False"},
        {"mouse", toggle("c_Mouse", 0), toggle("c_Mouse", 0), true, kPlayer, "bInvertMouse", "True",
         "False"},
        {"dodging", toggle("c_Mouse", 1), toggle("c_Mouse", 1), true, kPlayer, "bEnableDodging",
         "False", "True"},
        {"weapon option", toggle("c_SwapFire", 0), toggle("c_SwapFire", 0), true,
         "[XWeapons.Redeemer]", "ExchangeFireModes", "1", "0"},
        {"team beacon", toggle("c_CustomBeacon", -1), toggle("c_CustomBeacon", -1), true, kPlayer,
         "TeamBeaconUseCustomColor", "True", "False"},
        {"display", toggle("b_VideoAdd", 0), toggle("b_VideoSub", 0), false, kClient, "Gamma",
         "0.9", "0.8"},
        {"numbers", type("tbx_Comm", 5, "1"), type("tbx_Comm", 5, "0.8"), true, kPlayer, "HudScale",
         "1", "0.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        StartShown(kUser, kUt);
        const char* file = c.user ? "User.ini" : "UT2004.ini";
        c.edit(*this);
        Trigger("frmFileSave");
        EXPECT_EQ(ValueIn(SystemFile(file), c.section, c.key), c.edited);
        c.setBack(*this);
        EXPECT_TRUE(MainWindow().HasUnsavedTabEdits());
        Trigger("frmFileSave");
        EXPECT_EQ(ValueIn(SystemFile(file), c.section, c.key), c.setBackValue);
        EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
        EXPECT_TRUE(responder->Messages().empty());
    }
}

// Typed text that no save can store is named, and the file keeps its line.
TEST_F(SetBackTest, AResolutionThatIsNoWidthAndHeightIsNamedAndNothingIsSaved) {
    const char* typed[] = {"foo", "1024 X", "1024"};
    for (const char* text : typed) {
        SCOPED_TRACE(text);
        TearDown();
        SetUp();
        StartShown(kUser, kUt);
        Type("tbx_Name", -1, "Tester");
        Type("cbx_Video", 0, text);
        Trigger("frmFileSave");
        ASSERT_EQ(responder->Messages().size(), 1u);
        EXPECT_EQ(responder->Messages()[0].text,
                  std::string("The FullScreen resolution \"") + text +
                      "\" cannot be saved: it needs a width and a height in whole numbers, such "
                      "as 1024 X 768.\r\n\r\nNothing was saved.");
        EXPECT_EQ(SystemFile("UT2004.ini"), kUt);
        EXPECT_EQ(SystemFile("User.ini"), kUser);
        EXPECT_TRUE(MainWindow().HasUnsavedTabEdits());
    }
}

}  // namespace
}  // namespace kestrane
