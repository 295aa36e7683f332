// The game commands of the key tabs: box 2k holds the first and box 2k+1 the second key of
// command k. One table for the loader, the save step, the capture and the tabs' captions.
#pragma once

#include <array>
#include <string_view>

namespace kestrane {

struct BindCommand {
    std::string_view command;  // the User.ini value, exactly as the game spells it
    std::string_view caption;  // the row's label on the window
};

inline constexpr int kBindBoxCount = 140;

inline constexpr std::array<BindCommand, kBindBoxCount / 2> kBindCommands = {{
    {"taunt pthrust", "Pelvic Thrust"},
    {"taunt asssmack", "Ass Smack"},
    {"taunt throatcut", "Throat Cut"},
    {"taunt gesture_point", "Brag"},
    {"MoveForward", "Forward"},
    {"MoveBackward", "Backward"},
    {"StrafeLeft", "Strafe Left"},
    {"StrafeRight", "Strafe Right"},
    {"Jump", "Jump"},
    {"Walking", "Walk"},
    {"Duck", "Crouch"},
    {"Strafe", "Strafe Toggle"},
    {"TurnLeft", "Turn Left"},
    {"TurnRight", "Turn Right"},
    {"LookUp", "Look Up"},
    {"LookDown", "Look Down"},
    {"CenterView", "Center View"},
    {"ToggleBehindView", "Behind View"},
    {"ToggleFreeCam", "Camera Mode"},
    {"Fire", "Fire"},
    {"AltFire", "Alt-Fire"},
    {"ThrowWeapon", "Throw Weapon"},
    {"SwitchToBestWeapon", "Best Weapon"},
    {"NextWeapon", "Next Weapon"},
    {"PrevWeapon", "Prev Weapon"},
    {"SwitchToLastWeapon", "Last Weapon"},
    {"Stat FPS", "Show FPS"},
    {"SwitchWeapon 0", "Super Weapon"},
    {"SwitchWeapon 1", "Sheild Gun"},
    {"SwitchWeapon 2", "Assult Rifle"},
    {"SwitchWeapon 3", "Bio-Rifle"},
    {"SwitchWeapon 4", "Shock Rifle"},
    {"SwitchWeapon 5", "Link Gun"},
    {"SwitchWeapon 6", "MiniGun"},
    {"SwitchWeapon 7", "Flak Cannon"},
    {"SwitchWeapon 8", "Rocket Launcher"},
    {"SwitchWeapon 9", "Lightning Rifle"},
    {"SwitchWeapon 10", "Translocator"},
    {"Use", "Use"},
    {"Pause", "Pause"},
    {"Shot", "ScreenShot"},
    {"Basepath 0", "Find Red Base"},
    {"Basepath 1", "Find Blue Base"},
    {"InventoryNext", "Next Item"},
    {"InventoryPrevious", "Prev Item"},
    {"InventoryActivate", "Activate Item"},
    {"ToggleRadarMap", "Show Radar Map"},
    {"ShowScores", "Show Scores"},
    {"ScoreToggle", "Score Board"},
    {"ShowStats", "Personal Stats"},
    {"NextStats", "Next Stats"},
    {"ServerInfo", "Server Info"},
    {"Stat Net", "Connection Status"},
    {"Cancel", "Cancel Connection"},
    {"Talk", "Talk"},
    {"TeamTalk", "Team Talk"},
    // The two channel captions stand crossed over their commands; kept as players know them.
    {"ToggleTeamChat", "Public Channel"},
    {"ToggleLocalChat", "Local Channel"},
    {"TogglePublicChat", "Team Channel"},
    {"Speak Public", "Speak Public "},
    {"Speak Local", "Speak Local"},
    {"Speak Team", "Speak Team"},
    {"SpeechmenuToggle", "Speech Menu"},
    {"VoiceTalk", "Use Microphone"},
    {"GrowHUD", "Grow Hud"},
    {"ShrinkHUD", "Shrink Hud"},
    {"ShowMenu", "Show Menu"},
    {"ToggleConsole", "Show Console"},
    {"ShowVoteMenu", "Voting Menu"},
    {"MusicMenu", "Music Player"},
}};

}  // namespace kestrane
