#include "editor/windows/main/main_menu.h"

#include "editor/windows/main/main_window.h"

namespace kestrane {

const std::array<MenuItemRow, 14> kMainMenu = {{
    {"mnuFile", "&File", "frmFileSave", "&Save", "Ctrl+S", &INI::frmFileSave_Click},
    {"mnuFile", "&File", "", "-", "", nullptr},
    {"mnuFile", "&File", "mnuFileExit", "&Exit", "Ctrl+X", &INI::mnuFileExit_Click},
    {"mnuProfile", "&Profile", "mnuLoadProfile", "&Load Profile", "", &INI::mnuLoadProfile_Click},
    {"mnuProfile", "&Profile", "mnuNewProfile", "&New Profile", "", &INI::mnuNewProfile_Click},
    {"mnuProfile", "&Profile", "mnuSaveNewProfile", "&Save As New Profile", "",
     &INI::mnuSaveNewProfile_Click},
    {"mnuProfile", "&Profile", "mnuDeleteProfile", "&Delete Profile", "",
     &INI::mnuDeleteProfile_Click},
    {"mnuCache", "&Cache Manager", "mnuCacheEdit", "&Cache Manager", "", &INI::mnuCacheEdit_Click},
    {"mnuInstantAction", "&Instant Action", "mnuInstantActionSettings", "&Instant Action Settings",
     "", &INI::mnuInstantActionSettings_Click},
    {"mnuPlay2K4", "&Play UT2004", "mnuPlayUT2k4", "&Play UT2004", "", &INI::mnuPlayUT2k4_Click},
    {"mnuMusic", "&Options", "mnuMusicOnOff", "&Menu Music On/Off", "", &INI::mnuMusicOnOff_Click},
    {"mnuHelp", "&Help", "mnuAbout", "&About Kestrane INI", "", &INI::mnuAbout_Click},
    {"mnuHelp", "&Help", "", "-", "", nullptr},
    {"mnuHelp", "&Help", "mnuPatchwell_Kestrane", "&Update Kestrane INI", "",
     &INI::mnuPatchwell_Kestrane_Click},
}};

}  // namespace kestrane
