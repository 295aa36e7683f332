// The save side's name tables: weapon display name to its User.ini section, crosshair display
// name to its texture name. Both compare exactly and answer the empty text for no match.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrane {

struct WeaponSection {
    std::string_view display;
    std::string_view section;
};

// The 17 weapons of the priority list, in list order.
inline constexpr std::array<WeaponSection, 17> WeaponSections = {{
    {"Redeemer", "[XWeapons.Redeemer]"},
    {"Ion Painter", "[XWeapons.Painter]"},
    {"ONS-Painter", "[OnslaughtFull.ONSPainter]"},
    {"Classic Sniper", "[UTClassic.ClassicSniperRifle]"},
    {"Lightning Gun", "[XWeapons.SniperRifle]"},
    {"Rocket Launcher", "[XWeapons.RocketLauncher]"},
    {"Flak Cannon", "[XWeapons.FlakCannon]"},
    {"Grenade Launcher", "[Onslaught.ONSGrenadeLauncher]"},
    {"Minigun", "[XWeapons.Minigun]"},
    {"AVRiL", "[Onslaught.ONSAVRiL]"},
    {"LinkGun", "[XWeapons.LinkGun]"},
    {"Shock Rifle", "[XWeapons.ShockRifle]"},
    {"Mine Layer", "[Onslaught.ONSMineLayer]"},
    {"Bio-Rifle", "[XWeapons.BioRifle]"},
    {"Assault Rifle", "[XWeapons.AssaultRifle]"},
    {"Shield Gun", "[XWeapons.ShieldGun]"},
    {"Translauncher", "[XWeapons.Translauncher]"},
}};

// The section of weapon panel k (0 to 15): the list without its ONS-Painter row, which has no
// panel of its own.
constexpr std::string_view WeaponPanelSection(int k) {
    return WeaponSections[static_cast<size_t>(k < 2 ? k : k + 1)].section;
}

std::string GetWeaponSection(std::string_view displayName);
std::string GetCrosshairTexture(std::string_view displayName);

}  // namespace kestrane
