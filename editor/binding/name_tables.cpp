#include "editor/binding/name_tables.h"

#include "editor/store/crosshair_names.h"

namespace kestrane {

const std::array<WeaponSection, 17> WeaponSections = {{
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

std::string GetWeaponSection(std::string_view displayName) {
    for (const WeaponSection& w : WeaponSections) {
        if (w.display == displayName) return std::string(w.section);
    }
    return {};
}

std::string GetCrosshairTexture(std::string_view displayName) {
    for (const CrosshairPair& pair : CrosshairPairs) {
        if (pair.display == displayName) return std::string(pair.texture);
    }
    return {};
}

}  // namespace kestrane
