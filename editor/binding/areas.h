// The row areas of the two walks. Each area lives in its own file (rows_*.cpp); the walks take
// them in the fixed orders below, which matter where a row is written twice and where a load
// step reads state an earlier one set.
#pragma once

#include <array>

#include "editor/binding/binding_row.h"

namespace kestrane {

const AreaBinding& AliasListsArea();       // the two alias boxes
const AreaBinding& PlayerViewArea();       // player and view
const AreaBinding& HudConsoleArea();       // voice, HUD, console and game options
const AreaBinding& WindowDetailArea();     // window client flags and detail levels
const AreaBinding& RenderSectionsArea();   // render device sections
const AreaBinding& AudioArea();            // audio
const AreaBinding& MouseHudChatArea();     // mouse, objective HUD and chat
const AreaBinding& ColoursArea();          // colours
const AreaBinding& WeaponCrosshairArea();  // weapon options and crosshairs
const AreaBinding& TeamBeaconArea();       // team beacon
const AreaBinding& ResolutionArea();       // resolutions, frame rate and display adjustment
const AreaBinding& RenderChoiceArea();     // render device choice
const AreaBinding& KeyBindingsArea();      // key bindings
const AreaBinding& CommNumbersArea();      // the twelve numeric boxes tbx_Comm(0..11)
const AreaBinding& DodgeAgainArea();       // the dodging switch, written a second time
const AreaBinding& WeaponPriorityArea();   // the weapon priority list

using AreaGetter = const AreaBinding& (*)();

inline constexpr std::array<AreaGetter, 15> kLoadOrder = {
    AliasListsArea,      PlayerViewArea,  HudConsoleArea,   WindowDetailArea, RenderSectionsArea,
    AudioArea,           MouseHudChatArea, ColoursArea,     WeaponCrosshairArea,
    TeamBeaconArea,      ResolutionArea,  RenderChoiceArea, KeyBindingsArea,  CommNumbersArea,
    WeaponPriorityArea};

inline constexpr std::array<AreaGetter, 15> kSaveOrder = {
    PlayerViewArea,  HudConsoleArea,   WindowDetailArea, RenderSectionsArea, AudioArea,
    MouseHudChatArea, ColoursArea,     WeaponCrosshairArea, TeamBeaconArea, ResolutionArea,
    RenderChoiceArea, KeyBindingsArea, CommNumbersArea,  DodgeAgainArea,     WeaponPriorityArea};

}  // namespace kestrane
