#include <array>

#include "editor/binding/areas.h"

namespace kestrane {
namespace {

// The control is the colour set: its red, green and blue boxes and its preview.
constexpr BindingRow Colour(int set, std::string_view key, std::string_view section = {}) {
    return BindingRow{IniFile::User, key, section, ControlRef{"tbx_IRCColor", set}, Form::Colour};
}

constexpr std::string_view kCrosshair = "CustomCrossHairColor";

// Sets 9 to 24 follow the weapon sections of the priority list without the ONS painter, each
// reading its own weapon's line.
constexpr std::array<BindingRow, 25> kRows = {{
    Colour(0, "IRCTextColor"),
    Colour(1, "IRCNickColor"),
    Colour(2, "IRCActionColor"),
    Colour(3, "IRCInfoColor"),
    Colour(4, "IRCLinkColor"),
    Colour(5, "TeamBeaconTeamColors[1]"),
    Colour(6, "TeamBeaconTeamColors[0]"),
    Colour(7, "TeamBeaconCustomColor"),
    Colour(8, "CustomHUDColor"),
    Colour(9, kCrosshair, "[XWeapons.Redeemer]"),
    Colour(10, kCrosshair, "[XWeapons.Painter]"),
    Colour(11, kCrosshair, "[UTClassic.ClassicSniperRifle]"),
    Colour(12, kCrosshair, "[XWeapons.SniperRifle]"),
    Colour(13, kCrosshair, "[XWeapons.RocketLauncher]"),
    Colour(14, kCrosshair, "[XWeapons.FlakCannon]"),
    Colour(15, kCrosshair, "[Onslaught.ONSGrenadeLauncher]"),
    Colour(16, kCrosshair, "[XWeapons.Minigun]"),
    Colour(17, kCrosshair, "[Onslaught.ONSAVRiL]"),
    Colour(18, kCrosshair, "[XWeapons.LinkGun]"),
    Colour(19, kCrosshair, "[XWeapons.ShockRifle]"),
    Colour(20, kCrosshair, "[Onslaught.ONSMineLayer]"),
    Colour(21, kCrosshair, "[XWeapons.BioRifle]"),
    Colour(22, kCrosshair, "[XWeapons.AssaultRifle]"),
    Colour(23, kCrosshair, "[XWeapons.ShieldGun]"),
    Colour(24, kCrosshair, "[XWeapons.Translauncher]"),
}};

}  // namespace

const AreaBinding& ColoursArea() {
    static const AreaBinding area{.rows = kRows};
    return area;
}

}  // namespace kestrane
