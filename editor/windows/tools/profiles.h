// Named profiles: a folder under "\Profiles\" holding its own User.ini and UT2004.ini. While
// one is loaded the editor edits its copies and every save writes the game's files as well.
// The menu items and the New Profile dialog call these; each reports its own failures.
#pragma once

#include <string>

class QWidget;

namespace kestrane {

class INI;

// The program folder's "\Profiles" (no final "\").
std::string ProfilesFolder();

// Makes the profile's folder (ends in "\"), and "\Profiles" when it went missing; "" on
// success, else the message naming the folder and the system's reason.
std::string MakeProfileFolder(const std::string& folder);

// Caption, ProfileName in Kestrane.ini and ProfileActive for the profile `name` whose folder
// IniFolder already names.
void MarkProfileLoaded(INI& window, const std::string& name);

// Load Profile: the browser, then the chosen folder's settings into the tabs and into the
// game's System folder. A folder that is not a complete profile changes nothing.
void LoadProfile(INI& window);

// Delete Profile: the browser, then the folder of the chosen name under "\Profiles\", never
// the loaded profile, the template or anything outside "\Profiles\".
void DeleteProfile(INI& window);

enum class NewProfileNext { Close, StayOpen };

// OK of the New Profile dialog with the name as typed. An empty name closes the dialog and
// does nothing; a name that cannot be a folder, a refused replacement or a failed write keeps
// it open (messages owned by `asker`). Otherwise the profile is made, from the current
// settings when NewProfileFromCurrent is set, else from the template, and becomes active.
NewProfileNext CreateProfile(INI& window, const std::string& name, QWidget* asker);

}  // namespace kestrane
