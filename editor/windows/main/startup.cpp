#include "editor/windows/main/startup.h"

#include <QCoreApplication>
#include <QTabWidget>

#include "editor/binding/settings_walks.h"
#include "editor/instant_action/game_sections.h"
#include "editor/store/ini_files.h"
#include "editor/store/profile_names.h"
#include "editor/store/program_state.h"
#include "editor/store/stray_copies.h"
#include "editor/store/text_compare.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "editor/windows/main/splash_window.h"
#include "editor/windows/tools/new_profile_dialog.h"
#include "editor/windows/tools/profiles.h"
#include "platform/base/ansi.h"
#include "platform/base/files.h"
#include "platform/base/folders.h"
#include "platform/base/paths.h"
#include "platform/base/program_folder_lock.h"
#include "platform/base/registry.h"
#include "platform/message_box.h"
#include "platform/music_player.h"

namespace kestrane {
namespace {

// Why the ProfileName stored in Kestrane.ini was not taken; shown before the first-start message.
std::string g_refusedProfileName;

constexpr const char* kDefaultKestraneIni = "Music=ON\r\nProfileName=\r\nCacheDelete=False\r\n";
// Far more than its three keys take; what is larger is no file the editor wrote.
constexpr size_t kKestraneIniMaxBytes = 1 << 20;

bool ShowLoadError(INI& window, const FileError& error) {
    platform::ShowMessage(error.Message("read"), platform::MsgButtons::Ok, {}, &window);
    return false;
}

}  // namespace

std::optional<std::string> DeriveGameFolders() {
    ProgramState& s = State();
    const std::string folder =
        platform::ReadRegistryValue(platform::kHkeyLocalMachine, kGameRegistryKey, "Folder").Text();
    if (folder.empty()) {
        return std::string(
                   "The game was not found: the registry value \"Folder\" under "
                   "HKEY_LOCAL_MACHINE\\") +
               kGameRegistryKey + " is missing (looked in " + platform::WinePrefix() +
               "/system.reg).";
    }
    s.iniFolder = folder + "\\System\\";
    s.gameSystemFolder = s.iniFolder;
    s.gameCacheFolder = folder + "\\Cache\\";
    s.gameMapsFolder = folder + "\\Maps\\";
    s.gameFolder = folder + "\\";
    s.gameExePath = s.gameSystemFolder + "UT2004.exe";
    for (const char* name : {"User.ini", "UT2004.ini"}) {
        const std::string path = s.gameSystemFolder + name;
        if (const std::string why = platform::NotAFileReason(path); !why.empty()) {
            return std::string("The game's ") + name + " was not found: " + path + " " +
                   (why.starts_with("it ") ? why.substr(3) : why) +
                   " (the game folder comes from the registry value \"Folder\" under "
                   "HKEY_LOCAL_MACHINE\\" +
                   kGameRegistryKey + ").";
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadKestraneIni() {
    const std::string path = KestraneIniPath(platform::ProgramFolder());
    IniStore& k = State().kestrane;
    // Only a name nothing bears gets the default file; a folder or a broken link stays.
    if (!platform::NameTaken(path)) {
        std::string reason;
        if (!platform::WriteBytesAtomic(path, kDefaultKestraneIni, &reason)) {
            return "Could not create " + path + ": " + reason;
        }
    }
    // The editor's own file is read only as a plain file of its own: a link, a FIFO or a
    // device under its name is named and left as it is.
    std::string text;
    std::string why;
    if (!platform::ReadOwnFile(path, kKestraneIniMaxBytes, text, &why)) {
        return "Could not read " + path + ": " + why + ". It was left as it is.";
    }
    k.Load(std::move(text));
    return std::nullopt;
}

std::string ProfileFolder(const std::string& name) {
    return platform::ProgramFolder() + "\\Profiles\\" + name + "\\";
}

bool MainFormLoad(INI& window) {
    ProgramState& s = State();
    s.saveToGameFolderNext = false;
    window.SSTab1()->setCurrentIndex(0);
    if (auto problem = DeriveGameFolders()) {
        platform::ShowMessage(*problem, platform::MsgButtons::Ok, {}, &window);
        return false;
    }
    RemoveStrayCopies(platform::ProgramFolder(), s.gameFolder);

    s.noProfileName = false;
    std::string profile = GetVal(s.kestrane, "ProfileName");
    g_refusedProfileName.clear();
    // A stored name that is no folder name would put the profile's files elsewhere.
    if (auto fault = profile.empty() ? std::nullopt : ProfileNameFault(profile)) {
        g_refusedProfileName = "Kestrane.ini names the profile \"" + profile +
                               "\", which was not loaded: " + *fault + ".";
        profile.clear();
    }
    BindingContext ctx = window.Binding();
    if (profile.empty()) {
        s.noProfileName = true;
        if (auto error = Load_INI_Form(ctx)) return ShowLoadError(window, *error);
        return true;
    }

    window.setWindowTitle(QString::fromLatin1("Kestrane INI - Profile Loaded: ") +
                          platform::FromAnsi(profile));
    SetKestraneValue(s.kestrane, "ProfileName", profile);
    FileError error;
    if (!SaveKestraneINI(platform::ProgramFolder(), s.kestrane, &error)) {
        platform::ShowMessage(error.Message("save"), platform::MsgButtons::Ok, {}, &window);
    }
    s.profileActive = true;
    if (auto e = Load_INI_Form(ctx)) return ShowLoadError(window, *e);
    FindGameTypeSections();
    bool written = true;
    if (!WriteUT2004INIWithGameDefaults(&error, &written)) {
        platform::ShowMessage(error.Message("save"), platform::MsgButtons::Ok, {}, &window);
    }
    // A file that already held every section reads back as it is loaded now.
    if (written) {
        if (auto e = Load_INI_Form(ctx)) return ShowLoadError(window, *e);
    }
    // The game's current settings into the game folder and the profile's copies, one text.
    const auto texts = ComposeSettings(window);
    if (!texts) return true;
    WriteSettings(window, s.iniFolder, *texts);

    s.iniFolder = ProfileFolder(profile);
    // A profile whose folder went missing gets it back before its copies are written.
    if (!platform::FolderExists(s.iniFolder)) {
        if (const std::string problem = MakeProfileFolder(s.iniFolder); !problem.empty()) {
            platform::ShowMessage(problem + " The profile's copies were not written.",
                                  platform::MsgButtons::Ok, {}, &window);
            return true;
        }
    }
    if (WriteSettings(window, s.iniFolder, *texts)) window.RecordSaved(*texts);
    return true;
}

bool Main() {
    platform::SetProgramTitle(kProgramTitle);
    const std::string program = platform::ProgramFolder();
    switch (platform::TakeProgramFolderLock(platform::ToHostPath(program))) {
        case platform::FolderLock::Taken:
            break;
        case platform::FolderLock::HeldByAnother:
            platform::ShowMessage("Kestrane INI is already running from " + program +
                                  ". Close it before starting it again: two editors saving the "
                                  "same files would undo each other's changes.");
            return false;
        case platform::FolderLock::MaybeHeld:
            platform::ShowMessage(
                "Kestrane INI may be running from " + program + ": " + program + "\\" +
                platform::kRunningFileName +
                " names an editor this computer cannot look for (on another computer, or in a "
                "file it cannot read). Close it before starting it again: two editors saving the "
                "same files would undo each other's changes. If none runs, delete that file.");
            return false;
    }
    if (auto problem = ReadKestraneIni()) {
        platform::ShowMessage(*problem);
        return false;
    }
    frmSplash& splash = Splash();
    splash.ShowSplash();
    // On screen now, while the main window is made and loads behind it.
    QCoreApplication::processEvents();
    const std::string music = GetVal(State().kestrane, "Music");

    INI& window = MainWindow();
    if (!window.Form_Load()) {
        CloseSplash();
        DestroyMainWindow();
        return false;
    }
    platform::MusicPlayer& player = window.mmcMP3();
    player.SetDeviceType("MPEGVideo");
    player.SetFileName(platform::ProgramFolder() + "\\Music\\Kestrane INI Menu Music.mp3");
    player.SetCommand("Open");
    if (EqualsNoCase(music, "ON")) {
        player.SetCommand("Play");
        State().musicOn = true;
    } else {
        State().musicOn = false;
    }
    State().cacheListLoaded = false;
    if (SplashExists()) Splash().LoadStepDone();
    return true;
}

void ShowMainForm() {
    INI& window = MainWindow();
    window.show();
    ProgramState& s = State();
    if (s.noProfileName) {
        if (!g_refusedProfileName.empty()) {
            platform::ShowMessage(g_refusedProfileName, platform::MsgButtons::Ok, {}, &window);
        }
        platform::ShowMessage("You Must Associate a New Profile Name for the Current User",
                              platform::MsgButtons::Ok, {}, &window);
        s.newProfileFromCurrent = true;
        OpenNewProfileDialog(window);
        s.noProfileName = false;
    }
}

}  // namespace kestrane
