#include "editor/instant_action/game_section_defaults.h"

#include <array>

namespace kestrane {
namespace {

constexpr std::array<std::string_view, 19> kOnslaughtLines = {
    "OvertimeCoreDrainPerSec=20",
    "bRandSetupAfterReset=False",
    "bAllowNonTeamChat=False",
    "FriendlyFireScale=0",
    "NetWait=15",
    "bForceRespawn=False",
    "bAdjustSkill=False",
    "bAllowTaunts=True",
    "bAllowTrans=False",
    "SpawnProtectionTime=2",
    "LateEntryLives=1",
    "LoginMenuClass=GUI2K4.UT2K4OnslaughtLoginMenu",
    "bAllowPrivateChat=True",
    "bWeaponStay=True",
    "bAllowWeaponThrowing=True",
    "ResetTimeDelay=11",
    "GoalScore=3",
    "MaxLives=0",
    "TimeLimit=20",
};

constexpr std::array<std::string_view, 21> kAssaultLines = {
    "RoundLimit=1",
    "RoundTimeLimit=10",
    "PracticeTimeLimit=60",
    "ReinforcementsFreq=7",
    "bAllowNonTeamChat=False",
    "FriendlyFireScale=0",
    "NetWait=15",
    "bForceRespawn=False",
    "bAdjustSkill=False",
    "bAllowTaunts=True",
    "bAllowTrans=False",
    "SpawnProtectionTime=3",
    "LateEntryLives=1",
    "LoginMenuClass=GUI2K4.UT2K4PlayerLoginMenu",
    "bAllowPrivateChat=True",
    "bWeaponStay=True",
    "bAllowWeaponThrowing=True",
    "ResetTimeDelay=8",
    "GoalScore=0",
    "MaxLives=0",
    "TimeLimit=20",
};

constexpr std::array<std::string_view, 16> kMutantLines = {
    "bEnableBottomFeeder=True",
    "NetWait=5",
    "bForceRespawn=False",
    "bAdjustSkill=False",
    "bAllowTaunts=True",
    "bAllowTrans=False",
    "SpawnProtectionTime=2",
    "LateEntryLives=1",
    "LoginMenuClass=GUI2K4.UT2K4PlayerLoginMenu",
    "bAllowPrivateChat=True",
    "bWeaponStay=True",
    "bAllowWeaponThrowing=True",
    "ResetTimeDelay=0",
    "GoalScore=20",
    "MaxLives=0",
    "TimeLimit=20",
};

constexpr std::array<std::string_view, 23> kLastManStandingLines = {
    "CampThreshold=600",
    "ReCamperWarnInterval=10",
    "bHealthForKill=False",
    "bAllowSuperweapons=False",
    "bCamperAlarm=True",
    "bAllowPickups=False",
    "bAllowAdrenaline=False",
    "bFullAmmo=True",
    "NetWait=5",
    "bForceRespawn=False",
    "bAdjustSkill=False",
    "bAllowTaunts=True",
    "bAllowTrans=False",
    "SpawnProtectionTime=2",
    "LateEntryLives=1",
    "LoginMenuClass=GUI2K4.UT2K4PlayerLoginMenu",
    "bAllowPrivateChat=True",
    "bWeaponStay=True",
    "bAllowWeaponThrowing=True",
    "ResetTimeDelay=0",
    "GoalScore=25",
    "MaxLives=3",
    "TimeLimit=0",
};

constexpr std::array<std::string_view, 37> kInvasionLines = {
    "WaveConfigMenu=GUI2K4.UT2K4InvasionWaveConfig",
    "FallbackMonsterClass=SkaarjPack.EliteKrall",
    "InitialWave=0",
    "FinalWave=16",
    "Waves[0]=(WaveMask=20491,WaveMaxMonsters=16,WaveDuration=90,WaveDifficulty=0.000000)",
    "Waves[1]=(WaveMask=60,WaveMaxMonsters=12,WaveDuration=90,WaveDifficulty=0.000000)",
    "Waves[2]=(WaveMask=105,WaveMaxMonsters=12,WaveDuration=90,WaveDifficulty=0.000000)",
    "Waves[3]=(WaveMask=186,WaveMaxMonsters=12,WaveDuration=90,WaveDifficulty=0.500000)",
    "Waves[4]=(WaveMask=225,WaveMaxMonsters=12,WaveDuration=90,WaveDifficulty=0.500000)",
    "Waves[5]=(WaveMask=966,WaveMaxMonsters=12,WaveDuration=90,WaveDifficulty=0.500000)",
    "Waves[6]=(WaveMask=4771,WaveMaxMonsters=12,WaveDuration=120,WaveDifficulty=1.000000)",
    "Waves[7]=(WaveMask=917,WaveMaxMonsters=12,WaveDuration=120,WaveDifficulty=1.000000)",
    "Waves[8]=(WaveMask=1689,WaveMaxMonsters=12,WaveDuration=120,WaveDifficulty=1.000000)",
    "Waves[9]=(WaveMask=18260,WaveMaxMonsters=12,WaveDuration=120,WaveDifficulty=1.000000)",
    "Waves[10]=(WaveMask=14340,WaveMaxMonsters=12,WaveDuration=180,WaveDifficulty=1.500000)",
    "Waves[11]=(WaveMask=4021,WaveMaxMonsters=12,WaveDuration=180,WaveDifficulty=1.500000)",
    "Waves[12]=(WaveMask=3729,WaveMaxMonsters=12,WaveDuration=180,WaveDifficulty=1.500000)",
    "Waves[13]=(WaveMask=3972,WaveMaxMonsters=12,WaveDuration=180,WaveDifficulty=2.000000)",
    "Waves[14]=(WaveMask=3712,WaveMaxMonsters=12,WaveDuration=180,WaveDifficulty=2.000000)",
    "Waves[15]=(WaveMask=2048,WaveMaxMonsters=8,WaveDuration=255,WaveDifficulty=2.000000)",
    "bAllowNonTeamChat=False",
    "FriendlyFireScale=0",
    "NetWait=5",
    "bForceRespawn=False",
    "bAdjustSkill=False",
    "bAllowTaunts=True",
    "bAllowTrans=False",
    "SpawnProtectionTime=2",
    "LateEntryLives=1",
    "LoginMenuClass=GUI2K4.UT2K4InvasionLoginMenu",
    "bAllowPrivateChat=True",
    "bWeaponStay=True",
    "bAllowWeaponThrowing=True",
    "ResetTimeDelay=0",
    "GoalScore=60",
    "MaxLives=1",
    "TimeLimit=20",
};

constexpr std::array<GameSectionDefaults, 5> kSections = {{
    {&GameSectionFlags::HasOnslaughtSection, "[Onslaught.ONSOnslaughtGame]", kOnslaughtLines},
    {&GameSectionFlags::HasAssaultSection, "[UT2k4Assault.ASGameInfo]", kAssaultLines},
    {&GameSectionFlags::HasMutantSection, "[BonusPack.xMutantGame]", kMutantLines},
    {&GameSectionFlags::HasLastManStandingSection, "[BonusPack.xLastManStandingGame]",
     kLastManStandingLines},
    {&GameSectionFlags::HasInvasionSection, "[SkaarjPack.Invasion]", kInvasionLines},
}};

}  // namespace

std::span<const GameSectionDefaults> GameSectionTable() {
    return kSections;
}

}  // namespace kestrane
