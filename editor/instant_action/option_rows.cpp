#include "editor/instant_action/option_rows.h"

#include <array>

namespace kestrane {
namespace {

constexpr OptionKind C = OptionKind::CheckBox;
constexpr OptionKind N = OptionKind::NumberBox;

constexpr std::array<OptionRow, 130> kRows{{
    // Capture the Flag
    {0, C, 23, "Force Respawn", "bForceRespawn"},
    {0, C, 25, "Allow Taunts", "bAllowTaunts"},
    {0, C, 24, "TM Score Round", "bTeamScoreRound"},
    {0, C, 26, "Weapon Stay", "bWeaponStay"},
    {0, C, 27, "Players Must Be Ready", "bPlayersMustBeReady"},
    {0, N, 17, "Max Team Size", "MaxTeamSize"},
    {0, N, 18, "Friendly Fire Scale", "FriendlyFireScale"},
    {0, N, 24, "Score Limit", "GoalScore"},
    {0, N, 25, "Max Lives", "MaxLives"},
    {0, N, 26, "Time Limit", "TimeLimit"},
    // Assault
    {1, C, 0, "Force Respawn", "bForceRespawn"},
    {1, C, 2, "Allow Taunts", "bAllowTaunts"},
    {1, C, 1, "Adjust Bot Skill", "bAdjustSkill"},
    {1, C, 4, "Weapon Stay", "bWeaponStay"},
    {1, C, 3, "Allow Trans", "bAllowTrans"},
    {1, C, 5, "Weapon Throwing", "bAllowWeaponThrowing"},
    {1, N, 0, "Round Limit", "RoundLimit"},
    {1, N, 1, "Round Time Limit", "RoundTimeLimit"},
    {1, N, 2, "Practice Time Limit", "PracticeTimeLimit"},
    {1, N, 3, "Reinforcements Freq", "ReinforcementsFreq"},
    {1, N, 4, "Friendly Fire Scale", "FriendlyFireScale"},
    {1, N, 5, "Spawn Protection Time", "SpawnProtectionTime"},
    {1, N, 6, "Reset Time Delay", "ResetTimeDelay"},
    {1, N, 7, "Score Limit", "GoalScore"},
    {1, N, 8, "Max Lives", "MaxLives"},
    {1, N, 9, "Time Limit", "TimeLimit"},
    // Onslaught
    {2, C, 6, "Force Respawn", "bForceRespawn"},
    {2, C, 8, "Allow Taunts", "bAllowTaunts"},
    {2, C, 7, "Adjust Bot Skill", "bAdjustSkill"},
    {2, C, 10, "Weapon Stay", "bWeaponStay"},
    {2, C, 9, "Allow Trans", "bAllowTrans"},
    {2, C, 11, "Weapon Throwing", "bAllowWeaponThrowing"},
    {2, C, 12, "Random Link Setup", "bRandSetupAfterReset"},
    {2, N, 10, "OTime Core Drain Per Sec", "OvertimeCoreDrainPerSec"},
    {2, N, 11, "Friendly Fire Scale", "FriendlyFireScale"},
    {2, N, 12, "Spawn Protection Time", "SpawnProtectionTime"},
    {2, N, 13, "Reset Time Delay", "ResetTimeDelay"},
    {2, N, 14, "Score Limit", "GoalScore"},
    {2, N, 15, "Max Lives", "MaxLives"},
    {2, N, 16, "Time Limit", "TimeLimit"},
    // DeathMatch: "Player Must Be Ready" is bound to bRandSetupAfterReset.
    {3, C, 19, "Force Respawn", "bForceRespawn"},
    {3, C, 17, "Allow Taunts", "bAllowTaunts"},
    {3, C, 18, "Adjust Bot Skill", "bAdjustSkill"},
    {3, C, 15, "Weapon Stay", "bWeaponStay"},
    {3, C, 16, "Allow Trans", "bAllowTrans"},
    {3, C, 14, "Weapon Throwing", "bAllowWeaponThrowing"},
    {3, C, 13, "TM Score Round", "bTeamScoreRound"},
    {3, C, 20, "Player Must Be Ready", "bRandSetupAfterReset"},
    {3, N, 23, "Spawn Protection Time", "SpawnProtectionTime"},
    {3, N, 22, "Reset Time Delay", "ResetTimeDelay"},
    {3, N, 21, "Score Limit", "GoalScore"},
    {3, N, 20, "Max Lives", "MaxLives"},
    {3, N, 19, "Time Limit", "TimeLimit"},
    // Team DeathMatch
    {4, C, 30, "Force Respawn", "bForceRespawn"},
    {4, C, 28, "Allow Taunts", "bAllowTaunts"},
    {4, C, 29, "TM Score Round", "bTeamScoreRound"},
    {4, C, 22, "Weapon Stay", "bWeaponStay"},
    {4, C, 21, "Players Must Be Ready", "bPlayersMustBeReady"},
    {4, N, 31, "Max Team Size", "MaxTeamSize"},
    {4, N, 30, "Friendly Fire Scale", "FriendlyFireScale"},
    {4, N, 29, "Score Limit", "GoalScore"},
    {4, N, 28, "Max Lives", "MaxLives"},
    {4, N, 27, "Time Limit", "TimeLimit"},
    // Double Domination
    {5, C, 31, "Force Respawn", "bForceRespawn"},
    {5, C, 33, "Allow Taunts", "bAllowTaunts"},
    {5, C, 32, "TM Score Round", "bTeamScoreRound"},
    {5, C, 34, "Weapon Stay", "bWeaponStay"},
    {5, C, 35, "Players Must Be Ready", "bPlayersMustBeReady"},
    {5, N, 32, "Max Team Size", "MaxTeamSize"},
    {5, N, 33, "Friendly Fire Scale", "FriendlyFireScale"},
    {5, N, 34, "Score Limit", "GoalScore"},
    {5, N, 35, "Max Lives", "MaxLives"},
    {5, N, 36, "Time Limit", "TimeLimit"},
    {5, N, 37, "Time to Score", "TimeToScore"},
    {5, N, 38, "Time Disabled", "TimeDisabled"},
    // Bombing Run
    {6, C, 40, "Force Respawn", "bForceRespawn"},
    {6, C, 38, "Allow Taunts", "bAllowTaunts"},
    {6, C, 39, "TM Score Round", "bTeamScoreRound"},
    {6, C, 37, "Weapon Stay", "bWeaponStay"},
    {6, C, 36, "Players Must Be Ready", "bPlayersMustBeReady"},
    {6, N, 43, "Max Team Size", "MaxTeamSize"},
    {6, N, 42, "Friendly Fire Scale", "FriendlyFireScale"},
    {6, N, 41, "Score Limit", "GoalScore"},
    {6, N, 40, "Max Lives", "MaxLives"},
    {6, N, 39, "Time Limit", "TimeLimit"},
    // Mutant
    {7, C, 43, "Force Respawn", "bForceRespawn"},
    {7, C, 45, "Allow Taunts", "bAllowTaunts"},
    {7, C, 44, "Adjust Bot Skill", "bAdjustSkill"},
    {7, C, 47, "Weapon Stay", "bWeaponStay"},
    {7, C, 46, "Allow Trans", "bAllowTrans"},
    {7, C, 48, "Weapon Throwing", "bAllowWeaponThrowing"},
    {7, C, 42, "EnableBottomFeeder", "bEnableBottomFeeder"},
    {7, N, 44, "Spawn Protection Time", "SpawnProtectionTime"},
    {7, N, 45, "Reset Time Delay", "ResetTimeDelay"},
    {7, N, 46, "Score Limit", "GoalScore"},
    {7, N, 47, "Max Lives", "MaxLives"},
    {7, N, 48, "Time Limit", "TimeLimit"},
    // Invasion
    {8, C, 41, "Force Respawn", "bForceRespawn"},
    {8, C, 50, "Allow Taunts", "bAllowTaunts"},
    {8, C, 49, "Adjust Bot Skill", "bAdjustSkill"},
    {8, C, 52, "Weapon Stay", "bWeaponStay"},
    {8, C, 51, "Allow Trans", "bAllowTrans"},
    {8, C, 53, "Weapon Throwing", "bAllowWeaponThrowing"},
    {8, N, 49, "Initial Wave", "InitialWave"},
    {8, N, 50, "Final Wave", "FinalWave"},
    {8, N, 51, "Friendly Fire Scale", "FriendlyFireScale"},
    {8, N, 52, "Spawn Protection Time", "SpawnProtectionTime"},
    {8, N, 53, "Reset Time Delay", "ResetTimeDelay"},
    {8, N, 54, "Score Limit", "GoalScore"},
    {8, N, 55, "Max Lives", "MaxLives"},
    {8, N, 56, "TimeLimit", "TimeLimit"},
    // Last Man Standing
    {9, C, 59, "Force Respawn", "bForceRespawn"},
    {9, C, 57, "Allow Taunts", "bAllowTaunts"},
    {9, C, 58, "Adjust Bot Skill", "bAdjustSkill"},
    {9, C, 55, "Weapon Stay", "bWeaponStay"},
    {9, C, 56, "Allow Trans", "bAllowTrans"},
    {9, C, 54, "Weapon Throwing", "bAllowWeaponThrowing"},
    {9, C, 65, "Health For Kill", "bHealthForKill"},
    {9, C, 64, "Super weapons", "bAllowSuperweapons"},
    {9, C, 63, "Camper Alarm", "bCamperAlarm"},
    {9, C, 62, "Allow Pickups", "bAllowPickups"},
    {9, C, 61, "Allow Adrenaline", "bAllowAdrenaline"},
    {9, C, 60, "Full Ammo", "bFullAmmo"},
    {9, N, 64, "Camp Threshold", "CampThreshold"},
    {9, N, 63, "Camper Warning Interval", "ReCamperWarnInterval"},
    {9, N, 62, "Spawn Protection Time", "SpawnProtectionTime"},
    {9, N, 61, "Reset Time Delay", "ResetTimeDelay"},
    {9, N, 60, "Score Limit", "GoalScore"},
    {9, N, 59, "Max Lives", "MaxLives"},
    {9, N, 58, "TimeLimit", "TimeLimit"},
}};

}  // namespace

std::span<const OptionRow> OptionRowTable() {
    return kRows;
}

int ShownLength(const OptionRow& row) {
    return row.kind == OptionKind::NumberBox && row.index == kCampThresholdBox ? 5 : 4;
}

}  // namespace kestrane
