// Crosshair textures as the game stores them and the names the crosshair lists show.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrane {

struct CrosshairPair {
    std::string_view texture;  // written back exactly as listed
    std::string_view display;
};

inline constexpr std::array<CrosshairPair, 20> CrosshairPairs{{
    {"ONSInterface-TX.avrilRETICLE", "Avril"},
    {"ONSInterface-TX.avrilRETICLEtrack", "Avril Track"},
    {"Crosshairs.HUD.Crosshair_Bracket1", "Bracket 1"},
    {"Crosshairs.HUD.Crosshair_Bracket2", "Bracket 2"},
    {"Crosshairs.HUD.Crosshair_Circle1", "Circle 1"},
    {"Crosshairs.HUD.Crosshair_Circle2", "Circle 2"},
    {"Crosshairs.HUD.Crosshair_Cross1", "Cross 1"},
    {"Crosshairs.HUD.Crosshair_Cross2", "Cross 2"},
    {"Crosshairs.HUD.Crosshair_Cross3", "Cross 3"},
    {"Crosshairs.HUD.Crosshair_Cross4", "Cross 4"},
    {"Crosshairs.HUD.Crosshair_Cross5", "Cross 5"},
    {"Crosshairs.HUD.Crosshair_Dot", "Dot"},
    {"ONSInterface-TX.grenadeLauncherReticle", "Grenade Launcher"},
    {"Crosshairs.HUD.Crosshair_Hidden", "Hidden"},
    {"ONSInterface-TX.MineLayerReticle", "Mine Layer"},
    {"Crosshairs.HUD.Crosshair_Pointer", "Pointer"},
    {"ONSInterface-TX.TankRectile", "Tank"},
    {"Crosshairs.HUD.Crosshair_Triad1", "Triad 1"},
    {"Crosshairs.HUD.Crosshair_Triad2", "Triad 2"},
    {"Crosshairs.HUD.Crosshair_Triad3", "Triad 3"},
}};

// The display name of a texture (whole text, any letter case); "Cross 1" when unknown.
std::string GetCrosshair(std::string_view crossName);

// The picture of a display name: the program folder's "Images\CrossHairs\<name>.jpg".
std::string CrosshairPicturePath(std::string_view displayName);

}  // namespace kestrane
