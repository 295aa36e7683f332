// The section headers the raw editors' drop-down lists offer, in their order; some carry the
// ESC character (27), as the game writes them.
#pragma once

#include <array>
#include <string_view>

namespace kestrane {

inline constexpr std::array<std::string_view, 66> kUserIniHeaders = {
    "[DefaultPlayer]",
    "[Engine.Input]",
    "[Engine.Controller]",
    "[Engine.PlayerController]",
    "[Engine.Pawn]",
    "[Engine.Vehicle]",
    "[Engine.Player]",
    "[Engine.HUD]",
    "[XGame.xDeathMessage]",
    "[XInterface.GUIController]",
    "[GUI2K4.UT2K4GUIController]",
    "[GUI2K4.SettingsTabs]",
    "[GUI2K4.UT2K4Browser_ServerListBox]",
    "[GUI2K4.UT2K4ServerLoading]",
    "[DemoRecording]",
    "[Screenshots]",
    "[Engine.TextToSpeechAlias]",
    "[UnrealGame.UnrealPlayer]",
    "[GUI2K4.UT2K4IRC_Page]",
    "[UnrealGame.UnrealPawn]",
    "[Engine.PlayerInput]",
    "[XWeapons.Redeemer]",
    "[XWeapons.Painter]",
    "[OnslaughtFull.ONSPainter]",
    "[XWeapons.RocketLauncher]",
    "[XWeapons.FlakCannon]",
    "[UTClassic.ClassicSniperRifle]",
    "[XWeapons.SniperRifle]",
    "[Onslaught.ONSGrenadeLauncher]",
    "[XWeapons.Minigun]",
    "[Onslaught.ONSAVRiL]",
    "[XWeapons.LinkGun]",
    "[XWeapons.ShockRifle]",
    "[Onslaught.ONSMineLayer]",
    "[XWeapons.BioRifle]",
    "[XWeapons.AssaultRifle]",
    "[XWeapons.ShieldGun]",
    "[XWeapons.Translauncher]",
    "[XInterface.HudBase]",
    "[GUI2K4.UT2k4ServerBrowser]",
    "[GUI2K4.UT2k4MainPage]",
    "[GUI2K4.UT2k4Browser_ServerListPageFavorites]",
    "[GUI2K4.UT2k4Browser_ServerListPageLAN]",
    "[GUI2K4.UT2k4Browser_ServerListPageBuddy]",
    "[GUI2K4.UT2k4Browser_ServerListPageInternet]",
    "[XGame.xPlayer]",
    "[UT2k4Assault.HUD_Assault]",
    "[XInterface.HudCDeathmatch]",
    "[UT2k4Assault.ASTurret_Minigun]",
    "[Onslaught.ONSAttackCraft]",
    "[Onslaught.ONSRV]",
    "[Onslaught.ONSHoverBike]",
    "[Onslaught.ONSManualGunPawn]",
    "[WindowPositions]",
    "[GUI2K4.UT2k4IRC_System]",
    "[GUI2K4.UT2k4IRC_Channel]",
    "[Onslaught.ONSHoverTank]",
    "[Onslaught.ONSPRVRearGunPawn]",
    "[Onslaught.ONSPRV]",
    "[UT2k4AssaultFull.ASVehicle_SpaceFighter_Skaarj]",
    "[Onslaught.ONSHUDOnslaught]",
    "[UT2k4AssaultFull.ASVehicle_SpaceFighter_Human]",
    "[Onslaught.ONSPRVSideGunPawn]",
    "[GUI2K4.UT2K4Tab_MainSP]",
    "[GUI2K4.UT2K4Tab_MainBase]",
    "[XGame.xPawn]",
};

inline constexpr std::array<std::string_view, 66> kUt2004IniHeaders = {
    "[URL]",
    "[FirstRun]",
    "[Engine.Engine]",
    "[Core.System]",
    "[Engine.GameEngine]",
    "[WinDrv.WindowsClient]",
    "[SDLDrv.SDLClient]",
    "[ALAudio.ALAudioSubsystem]",
    "[IpDrv.TcpNetDriver]",
    "[IpServer.UdpServerQuery]",
    "[IpDrv.MasterServerUplink]",
    "[IpDrv.MasterServerLink]",
    "[IpDrv.HTTPDownload]",
    "[Engine.DemoRecDriver]",
    "[Engine.GameReplicationInfo]",
    "[D3DDrv.D3DRenderDevice]",
    "[D3D9Drv.D3D9RenderDevice]",
    "[OpenGLDrv.OpenGLRenderDevice]",
    "[PixoDrv.PixoRenderDevice]",
    "[Engine.NullRenderDevice]",
    "[Editor.EditorEngine]",
    "[UWeb.WebServer]",
    "[Engine.Console]",
    "[Engine.AccessControl]",
    "[Engine.GameInfo]",
    "[Engine.AmbientSound]",
    "[Engine.LevelInfo]",
    "[XInterface.ExtendedConsole]",
    "[XGame.xDeathMatch]",
    "[XGame.xTeamGame]",
    "[XGame.xCTFGame]",
    "[XGame.xDoubleDom]",
    "[XGame.xBombingRun]",
    "[Engine.MaplistManager]",
    "[Default\x1b"
    "DM MaplistRecord]",
    "[Default\x1b"
    "TDM MaplistRecord]",
    "[1\x1b"
    "on\x1b"
    "1\x1b"
    "Team\x1b"
    "Deathmatch MaplistRecord]",
    "[1\x1b"
    "on\x1b"
    "1\x1b"
    "Deathmatch MaplistRecord]",
    "[XInterface.MapListDeathMatch]",
    "[XInterface.MapListTeamDeathMatch]",
    "[XInterface.MapListCaptureTheFlag]",
    "[XInterface.MapListDoubleDomination]",
    "[XInterface.MapListBombingRun]",
    "[BonusPack.MapListMutant]",
    "[BonusPack.MapListLastManStanding]",
    "[Onslaught.ONSMapListOnslaught]",
    "[Skaarjpack.MapListSkaarjInvasion]",
    "[UT2K4Assault.ASMapList]",
    "[UnrealEd.UnrealEdEngine]",
    "[Default\x1b"
    "LMS MaplistRecord]",
    "[Default\x1b"
    "MUT MaplistRecord]",
    "[Default\x1b"
    "ONS MaplistRecord]",
    "[Default\x1b"
    "INV MaplistRecord]",
    "[Default\x1b"
    "AS MaplistRecord]",
    "[Default\x1b"
    "BR MaplistRecord]",
    "[Default\x1b"
    "CTF MaplistRecord]",
    "[Default\x1b"
    "DOM2 MaplistRecord]",
    "[Default\x1b"
    "VCTF MaplistRecord]",
    "[XGame.UT2K4DMRoster]",
    "[UnrealGame.DeathMatch]",
    "[UnrealGame.UnrealMPGameInfo]",
    "[Engine.VoiceChatReplicationInfo]",
    "[Engine.BroadcastHandler]",
    "[UT2k4Assault.ASGameInfo]",
    "[UnrealGame.TeamGame]",
    "[Onslaught.ONSOnslaughtGame]",
};

}  // namespace kestrane
