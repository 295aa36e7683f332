// Rebuilds a file's text from its rows, line for line, each with the line end it was read with.
// Runs of blank lines collapse to one.
#pragma once

#include <string>

#include "editor/store/ini_store.h"

namespace kestrane {

// What User.ini takes from the main window besides its rows.
struct UserIniExtras {
    bool quietMenuMissing = false;  // insert bQuietMenu / bNoToolTips under the GUI controller
    bool quietMenu = false;         // c_Hud(8)
    bool noToolTips = false;        // c_Hud(9)
    std::string ttsAliasText;       // RTB_TextToSpeechAlias, CR LF between lines
    std::string aliasText;          // RTB_Aliases, CR LF between lines
    // A box that still shows what the load put there leaves its lines as they were read.
    bool ttsAliasUntouched = false;
    bool aliasUntouched = false;
};

// The line writer alone (UT2004.ini, Kestrane.ini).
std::string WriteIniText(const IniStore& store);
// User.ini: the line writer with the alias and quiet-menu rules.
std::string WriteUserIniText(const IniStore& store, const UserIniExtras& extras);

}  // namespace kestrane
