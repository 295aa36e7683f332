// One row of the settings binding: one key of one file bound to one control through one value
// form. A single table of rows serves the load and the save direction.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "editor/binding/form_controls.h"
#include "editor/binding/value_forms.h"
#include "editor/store/program_state.h"

namespace kestrane {

class BindBoxes;

enum class IniFile : std::uint8_t { User, UT2004 };

struct BindingRow {
    IniFile file;
    std::string_view key;      // as written in the file
    std::string_view section;  // header with brackets; empty: first match in the file
    ControlRef control;        // for Colour rows: index = the colour set
    Form form;
    int n = 0;  // TextLeft(n)
    // A numeric field bound as Text: like TextLeft and Number4 rows it saves with "." as the
    // decimal point whatever the locale.
    bool number = false;
};

struct BindingContext {
    ProgramState& state;
    FormControls& controls;
    BindBoxes* binds = nullptr;  // the tbx_Bind array, when the window has one

    IniStore& Store(IniFile file) { return file == IniFile::User ? state.user : state.ut2004; }
};

using SpecialStep = void (*)(BindingContext&);

// One area of the walks: its rows, and the special rows that fit no form, run before or after
// the table rows.
struct AreaBinding {
    std::span<const BindingRow> rows;
    SpecialStep beforeLoad = nullptr;
    SpecialStep afterLoad = nullptr;
    SpecialStep beforeSave = nullptr;
    SpecialStep afterSave = nullptr;
};

void LoadRow(BindingContext& ctx, const BindingRow& row);
void SaveRow(BindingContext& ctx, const BindingRow& row);

}  // namespace kestrane
