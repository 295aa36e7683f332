#include <array>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"
#include "editor/binding/row_steps.h"

namespace kestrane {
namespace {

constexpr BindingRow Flag(std::string_view key, std::string_view control, int index) {
    return BindingRow{IniFile::User, key, {}, ControlRef{control, index}, Form::Flag};
}

constexpr BindingRow kNoVoiceTaunts = Flag("bNoVoiceTaunts", "c_Comm", 1);

// A value the file does not give leaves the box as it was and makes the writer add the
// bQuietMenu and bNoToolTips lines.
constexpr std::string_view kGuiController = "[XInterface.GUIController]";

// The writer adds the two lines only under the GUI controller's own header.
bool QuietMenuLinesAdded(const BindingContext& ctx) {
    const auto header = ctx.state.user.FindKeyExact(kGuiController);
    return ctx.state.quietMenuMissing && header && ctx.state.user.Kind(*header) == RowKind::Header;
}

void LoadQuietMenu(BindingContext& ctx) {
    ctx.state.quietMenuMissing = false;
    if (GetVal(ctx.state.user, "bQuietMenu").empty()) {
        ctx.state.quietMenuMissing = true;
        MarkKeyPresence(ctx, {"c_Hud", 8}, QuietMenuLinesAdded(ctx), "bQuietMenu", kGuiController,
                        IniFile::User);
        return;
    }
    LoadRow(ctx, Flag("bQuietMenu", "c_Hud", 8));
}

// bNoToolTips is saved on its own line, or on the line the writer adds beside bQuietMenu.
void LoadNoToolTips(BindingContext& ctx) {
    LoadRow(ctx, Flag("bNoToolTips", "c_Hud", 9));
    if (QuietMenuLinesAdded(ctx)) ctx.controls.SetAvailable({"c_Hud", 9}, true, {});
}

const std::array<RowStep, 38> kSteps = {{
    {Flag("bEnableDodging", "c_Mouse", 1)},
    {kNoVoiceTaunts, Walks::SaveOnly},  // the save writes it once more, before its neighbour
    {Flag("bNoVoiceMessages", "c_Comm", 0)},
    {kNoVoiceTaunts},
    {Flag("bNoAutoTaunts", "c_Comm", 2)},
    {Flag("bAutoTaunt", "c_Comm", 3)},
    {Flag("bNoTextToSpeechVoiceMessages", "c_Comm", 4)},
    {Flag("bOnlySpeakTeamText", "c_Comm", 5)},
    {Flag("bNoConsoleDeathMessages", "c_Comm", 6)},
    {Flag("bMessageBeep", "c_Comm", 7)},
    {Flag("bNoMatureLanguage", "c_Comm", 8)},
    {Flag("bVehicleShadows", "c_Comm", 9)},
    {Flag("bHideHUD", "c_Hud", 0)},
    {Flag("bShowWeaponInfo", "c_Hud", 1)},
    {Flag("bShowWeaponBar", "c_Hud", 2)},
    {Flag("bShowPersonalInfo", "c_Hud", 3)},
    {Flag("bShowPoints", "c_Hud", 4)},
    {Flag("bCrosshairShow", "c_Hud", 5)},
    {Flag("bShowPortrait", "c_Hud", 6)},
    {Flag("bNoEnemyNames", "c_Hud", 7)},
    {Flag("bQuietMenu", "c_Hud", 8), Walks::Both, LoadQuietMenu},
    {Flag("bNoToolTips", "c_Hud", 9), Walks::Both, LoadNoToolTips},
    {Flag("bNoCoronas", "c_Hud", 10)},
    {Flag("bWeaponBob", "c_Hud", 11)},
    {Flag("bNeverSwitchOnPickup", "c_Hud", 12)},
    {Flag("bSmallWeapons", "c_Hud", 13)},
    {Flag("bSmallWeaponBar", "c_Hud", 14)},
    {Flag("bAlwaysLevel", "c_Hud", 15)},
    {Flag("bKeyboardLook", "c_Hud", 16)},
    {Flag("bSnapToLevel", "c_Hud", 17)},
    {Flag("bLookUpStairs", "c_Hud", 18)},
    {Flag("bEnableStatsTracking", "c_Hud", 19)},
    {Flag("bDynamicNetSpeed", "c_Hud", 20)},
    {Flag("bEnableGUIForceFeedback", "c_Hud", 21)},
    {Flag("bEnableDamageForceFeedback", "c_Hud", 22)},
    {Flag("bEnablePickupForceFeedback", "c_Hud", 23)},
    {Flag("bEnableWeaponForceFeedback", "c_Hud", 24)},
    {Flag("bLandingShake", "c_Hud", 25)},
}};

}  // namespace

const AreaBinding& HudConsoleArea() {
    return AreaOfSteps<kSteps>();
}

}  // namespace kestrane
