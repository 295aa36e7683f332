#include "editor/windows/tools/profiles.h"

#include <utility>

#include "editor/binding/settings_walks.h"
#include "editor/instant_action/game_sections.h"
#include "editor/store/ini_files.h"
#include "editor/store/profile_names.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"
#include "editor/store/text_routines.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "editor/windows/main/startup.h"
#include "editor/windows/main/unsaved_edits.h"
#include "editor/windows/tabs/raw_ini_tab.h"
#include "platform/base/ansi.h"
#include "platform/base/files.h"
#include "platform/base/folders.h"
#include "platform/base/paths.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

void Tell(const std::string& text, QWidget* owner,
          platform::MsgIcon icon = platform::MsgIcon::None) {
    platform::ShowMessage(text, platform::MsgButtons::Ok, {}, owner, icon);
}

std::string WithoutFinalBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// A folder this run made for a profile that was then not written goes again.
void DropNewFolder(bool madeHere, const std::string& folder) {
    if (madeHere) platform::DeleteFolderTree(folder);
}

bool WriteTemplateCopy(const std::string& file, const std::string& text, QWidget* asker) {
    std::string reason;
    if (platform::WriteBytesAtomic(file, text + "\r\n", &reason)) return true;
    Tell(FileError{file, reason}.Message("write"), asker);
    return false;
}

}  // namespace

std::string ProfilesFolder() {
    return platform::ProgramFolder() + "\\Profiles";
}

std::string MakeProfileFolder(const std::string& folder) {
    std::string reason;
    if (!platform::FolderExists(ProfilesFolder()) &&
        platform::MakeDirectory(ProfilesFolder(), &reason) != 0) {
        return "Could not make the folder " + ProfilesFolder() + "\\: " + reason + ".";
    }
    if (platform::MakeDirectory(WithoutFinalBackslash(folder), &reason) == 0) return {};
    return "Could not make the folder " + folder + ": " + reason + ".";
}

void MarkProfileLoaded(INI& window, const std::string& name) {
    ProgramState& s = State();
    window.setWindowTitle(QString::fromLatin1("Kestrane INI - Profile Loaded: ") +
                          platform::FromAnsi(name));
    SetKestraneValue(s.kestrane, "ProfileName", name);
    FileError error;
    if (!SaveKestraneINI(platform::ProgramFolder(), s.kestrane, &error)) {
        Tell(error.Message("save"), &window);
    }
    s.profileActive = true;
}

void LoadProfile(INI& window) {
    ProgramState& s = State();
    const std::string chosen =
        platform::BrowseForFolder(&window, "Select A Profile to Load", ProfilesFolder());
    if (chosen.empty()) return;
    const std::string folder = WithoutFinalBackslash(chosen) + "\\";
    if (!platform::FileExists(folder + "User.ini")) {
        Tell("Not A Valid Profile", &window);
        return;
    }
    const std::string name = SplitPath(WithoutFinalBackslash(folder), kPathFileName);
    if (auto fault = ProfileNameFault(name)) {
        Tell(ProfileNameMessage(name, *fault), &window);
        return;
    }
    if (!platform::FileExists(folder + "UT2004.ini")) {
        Tell("Not A Valid Profile: " + folder + "UT2004.ini does not exist.", &window);
        return;
    }

    if (!ConfirmReplaceTabs(window, "loading the profile", "Load the profile anyway?")) return;
    const std::string previous = s.iniFolder;
    s.iniFolder = folder;
    if (auto error = window.ReloadTabs()) {
        s.iniFolder = previous;
        Tell(error->Message("read"), &window);
        return;
    }
    MarkProfileLoaded(window, name);
    FindGameTypeSections();
    FileError error;
    bool written = true;
    if (!WriteUT2004INIWithGameDefaults(&error, &written)) Tell(error.Message("save"), &window);
    if (written) {
        if (auto e = window.ReloadTabs()) Tell(e->Message("read"), &window);
    }
    SaveSettingsInto(window, s.gameSystemFolder);
}

void DeleteProfile(INI& window) {
    const std::string chosen =
        platform::BrowseForFolder(&window, "Select A Profile to Delete", ProfilesFolder());
    if (chosen.empty()) return;
    const std::string name = SplitPath(chosen, kPathFileName);
    if (name.empty() || EqualsNoCase(WithoutFinalBackslash(chosen), ProfilesFolder())) {
        Tell(chosen + " is not a profile: choose a profile's folder inside " + ProfilesFolder() +
                 ".",
             &window);
        return;
    }
    if (auto fault = ProfileNameFault(name)) {
        Tell(ProfileNameMessage(name, *fault), &window);
        return;
    }
    if (EqualsNoCase(name, GetVal(State().kestrane, "ProfileName"))) {
        Tell("Can Not Delete A Loaded Profile", &window, platform::MsgIcon::Critical);
        return;
    }
    if (EqualsNoCase(name, "Default")) {
        Tell("Sorry the 'Defualt' Profile Can Not Be Deleted", &window);
        return;
    }
    // Always the folder of that name under "\Profiles\", wherever the browser went.
    const std::string folder = ProfileFolder(name);
    if (!platform::FolderExists(folder)) {
        Tell("There is no profile folder " + folder + ": nothing was deleted.", &window);
        return;
    }
    if (platform::ShowMessage("Delete the profile '" + name + "'? Its folder " + folder +
                                  " goes with everything in it.",
                              platform::MsgButtons::YesNo, {}, &window,
                              platform::MsgIcon::Question) != platform::MsgAnswer::Yes) {
        return;
    }
    if (!platform::DeleteFolderTree(folder)) {
        Tell("The profile folder " + folder + " could not be removed entirely.", &window);
        return;
    }
    Tell("Profile '" + name + "' Has Been Deleted", &window);
}

NewProfileNext CreateProfile(INI& window, const std::string& name, QWidget* asker) {
    ProgramState& s = State();
    if (name.empty()) return NewProfileNext::Close;
    if (auto fault = ProfileNameFault(name)) {
        Tell(ProfileNameMessage(name, *fault), asker);
        return NewProfileNext::StayOpen;
    }
    const std::string folder = ProfileFolder(name);
    const bool exists = platform::FolderExists(folder);
    if (exists && platform::ShowMessage("A profile named '" + name + "' exists already (" + folder +
                                            ").\r\n\r\nReplace its User.ini and UT2004.ini?",
                                        platform::MsgButtons::YesNo, {}, asker,
                                        platform::MsgIcon::Question) != platform::MsgAnswer::Yes) {
        return NewProfileNext::StayOpen;
    }

    // The template is read whole before anything is made, so a missing one writes nothing.
    std::string userTemplate;
    std::string utTemplate;
    const bool fromCurrent = s.newProfileFromCurrent;
    // The template's settings replace what the tabs show.
    if (!fromCurrent && !ConfirmReplaceTabs(window, "making the profile from the template",
                                            "Make the profile from the template anyway?")) {
        return NewProfileNext::StayOpen;
    }
    if (!fromCurrent) {
        const std::string from = ProfileFolder("Default");
        FileError error;
        auto user = ReadFile(from + "User.ini", &error);
        auto ut = user ? ReadFile(from + "UT2004.ini", &error) : std::nullopt;
        if (!ut) {
            Tell(error.Message("read") + "; the profile was not made from the template.", asker);
            return NewProfileNext::StayOpen;
        }
        userTemplate = std::move(*user);
        utTemplate = std::move(*ut);
    }
    if (!exists) {
        if (std::string problem = MakeProfileFolder(folder); !problem.empty()) {
            Tell(problem, asker);
            return NewProfileNext::StayOpen;
        }
    }

    if (fromCurrent) {
        // The new profile's files become the INI folder's: typed raw text they change asks.
        const auto texts = ComposeSettings(window);
        if (!texts || !ConfirmRawTextGoesStale(window, *texts) ||
            !WriteSettings(window, s.gameSystemFolder, *texts) ||
            !WriteSettings(window, folder, *texts)) {
            DropNewFolder(!exists, folder);
            return NewProfileNext::StayOpen;
        }
        s.iniFolder = folder;
        window.RecordSaved(*texts);
        MarkProfileLoaded(window, name);
        s.newProfileFromCurrent = false;
        return NewProfileNext::Close;
    }

    if (!WriteTemplateCopy(folder + "User.ini", userTemplate, asker) ||
        !WriteTemplateCopy(folder + "UT2004.ini", utTemplate, asker)) {
        DropNewFolder(!exists, folder);
        return NewProfileNext::StayOpen;
    }
    s.iniFolder = folder;
    MarkProfileLoaded(window, name);
    if (auto error = window.ReloadTabs()) Tell(error->Message("read"), &window);
    return NewProfileNext::Close;
}

}  // namespace kestrane
