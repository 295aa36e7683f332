// The questions before the tabs' edits not yet saved would go: leaving the editor, or
// loading other settings into the tabs. Both read the record of what the files hold.
#pragma once

#include <string>

namespace kestrane {

class INI;

// Before File > Exit and the window's close: typed raw text asks whether to close anyway;
// an unsaved tab edit asks "Save the changes before closing?" (Yes saves and goes on, a
// failed save stays; No goes on; Cancel stays). True to go on.
bool ConfirmClose(INI& window);

// The same before other settings replace the tabs' (a profile loaded or made from the
// template): `action` ends the save question ("loading the profile"), `goOn` the other.
bool ConfirmReplaceTabs(INI& window, const std::string& action, const std::string& goOn);

}  // namespace kestrane
