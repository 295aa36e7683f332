// The editor's program-wide state: the three stores, the game folders and the flags that
// start-up, the windows and the binding share. One instance, living as long as the program.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "editor/store/ini_store.h"

namespace kestrane {

struct ProgramState {
    IniStore user;      // User.ini of the INI folder
    IniStore ut2004;    // UT2004.ini of the INI folder
    IniStore kestrane;  // Kestrane.ini of the program folder

    // Windows paths; each folder text ends in "\".
    std::string iniFolder;
    std::string gameFolder;
    std::string gameSystemFolder;
    std::string gameCacheFolder;
    std::string gameMapsFolder;
    std::string gameExePath;

    bool saveToGameFolderNext = false;
    bool profileActive = false;
    bool noProfileName = false;
    bool newProfileFromCurrent = false;
    bool musicOn = false;
    bool cacheListLoaded = false;
    bool quietMenuMissing = false;

    // Text a numeric or colour field had when it got the focus.
    std::string savedFieldText;
    // The tabs are being filled from the files (a load walk, or a page built later taking what
    // the load gave it): a numeric field shows the number it is given, and its range rule acts
    // only on what the player types or steps; a control whose page is not built keeps it.
    bool fillingTabs = false;

    // What the last Bind left for DelKey.
    std::int16_t bindIndex = 0;
    std::string bindKeyName;
    // The text a bind box had when its capture began.
    std::string bindPreviousKey;

    std::array<std::int16_t, 3> rgbParts{};  // red, green, blue
    std::array<std::string, 17> weaponNames;
    std::array<std::string, 17> weaponPriorityValues;

    // The record of what the player changed. The two stores hold what User.ini and UT2004.ini
    // hold now (a save reads its own texts back into them); this holds what each setting
    // control, by name and index, showed when its file last held its value: taken after every
    // load and every save. A control that still shows it is untouched, and its row writes the
    // file's own text.
    struct Shown {
        std::string text;
        int value = 0;
    };
    std::map<std::pair<std::string, int>, Shown, std::less<>> shownAsFiled;

    std::string renderDeviceName;
    std::string renderDeviceSection;
};

ProgramState& State();

// Marks the tabs as being filled from the files while it lives; scopes nest.
class FillingTabs {
  public:
    explicit FillingTabs(ProgramState& state) : state_(state), was_(state.fillingTabs) {
        state.fillingTabs = true;
    }
    ~FillingTabs() { state_.fillingTabs = was_; }
    FillingTabs(const FillingTabs&) = delete;
    FillingTabs& operator=(const FillingTabs&) = delete;

  private:
    ProgramState& state_;
    bool was_;
};
// Tests start each case from a fresh state.
void ResetState();

}  // namespace kestrane
