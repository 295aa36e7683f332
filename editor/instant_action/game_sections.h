// The five game-type sections that a stock UT2004.ini may lack, and the rewrite of that file
// with each missing one appended with its default lines.
#pragma once

#include <string>

#include "editor/store/ini_files.h"
#include "editor/store/ini_store.h"

namespace kestrane {

// Which of the five section headers the UT2004.ini store held at the last check.
struct GameSectionFlags {
    bool HasOnslaughtSection = false;
    bool HasAssaultSection = false;
    bool HasMutantSection = false;
    bool HasLastManStandingSection = false;
    bool HasInvasionSection = false;
};

// Program-wide: all false at start; set by FindGameTypeSections.
GameSectionFlags& GameSections();

// Headers compare exactly: "[skaarjpack.invasion]" is not the Invasion section.
GameSectionFlags FindGameTypeSections(const IniStore& ut2004);
// Sets GameSections() from State().ut2004.
void FindGameTypeSections();

// The store's rows by the line writer, then every section whose flag is false: two empty
// lines, the header, its default lines, two empty lines.
std::string UT2004IniTextWithGameDefaults(const IniStore& ut2004, const GameSectionFlags& flags);

// Rewrites State().iniFolder + "UT2004.ini" from State().ut2004 and GameSections(). The file
// is replaced whole or left as it was; on failure `error` names it and says why. The store
// itself is not changed: the caller rereads the file, unless `written` says the file already
// held that text and was left alone.
bool WriteUT2004INIWithGameDefaults(FileError* error = nullptr, bool* written = nullptr);

}  // namespace kestrane
