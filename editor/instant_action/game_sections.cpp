#include "editor/instant_action/game_sections.h"

#include "editor/instant_action/game_section_defaults.h"
#include "editor/store/ini_writer.h"
#include "editor/store/program_state.h"
#include "platform/base/files.h"

namespace kestrane {

GameSectionFlags& GameSections() {
    static GameSectionFlags flags;
    return flags;
}

GameSectionFlags FindGameTypeSections(const IniStore& ut2004) {
    // The store holds only the rows of the file it read last, so a header left over from an
    // earlier, longer file cannot count as present. The game reads section names in any letter
    // case, so a header in another case is the player's own section.
    GameSectionFlags flags;
    for (const GameSectionDefaults& section : GameSectionTable()) {
        flags.*section.present = ut2004.FindKey(section.header).has_value();
    }
    return flags;
}

void FindGameTypeSections() {
    GameSections() = FindGameTypeSections(State().ut2004);
}

std::string UT2004IniTextWithGameDefaults(const IniStore& ut2004, const GameSectionFlags& flags) {
    std::string text = WriteIniText(ut2004);
    const std::string_view end = LineEndText(ut2004.FileLineEnd());
    // A last line without a line end gets one before the sections come.
    if (!text.empty() && text.back() != '\n') text += end;
    for (const GameSectionDefaults& section : GameSectionTable()) {
        if (flags.*section.present) continue;
        text += end;
        text += end;
        text += section.header;
        text += end;
        for (std::string_view line : section.lines) {
            text += line;
            text += end;
        }
        text += end;
        text += end;
    }
    return text;
}

bool WriteUT2004INIWithGameDefaults(FileError* error, bool* written) {
    const ProgramState& state = State();
    const std::string fileName = state.iniFolder + "UT2004.ini";
    const std::string text = UT2004IniTextWithGameDefaults(state.ut2004, GameSections());
    const bool same = text == state.ut2004.Text();
    if (written) *written = !same;
    if (same) return true;
    std::string reason;
    if (platform::WriteBytesAtomic(fileName, text, &reason)) return true;
    if (error) *error = {fileName, reason};
    return false;
}

}  // namespace kestrane
