#include "editor/binding/key_presence.h"

#include <string>

#include "editor/binding/key_searches.h"

namespace kestrane {

std::string MissingKeyTip(std::string_view key, std::string_view section, IniFile file) {
    std::string tip = file == IniFile::User ? "Not in User.ini: " : "Not in UT2004.ini: ";
    tip += section.empty() ? std::string("the file") : std::string(section);
    tip += " has no ";
    tip += key;
    tip += " line, so this setting is not saved.";
    return tip;
}

void MarkKeyPresence(BindingContext& ctx, ControlRef control, bool present, std::string_view key,
                     std::string_view section, IniFile file) {
    // A field's stepper buttons follow their box (see NumericField).
    ctx.controls.SetAvailable(control, present,
                              present ? std::string() : MissingKeyTip(key, section, file));
}

bool MarkRowPresence(BindingContext& ctx, const BindingRow& row) {
    const IniStore& store = ctx.Store(row.file);
    const bool present = row.section.empty()
                             ? FindKey(store, row.key).has_value()
                             : FindKeyInSection(store, row.key, row.section).has_value();
    if (row.form == Form::Colour) {
        for (std::string_view box : {"txb_IRC_Red", "txb_IRC_Green", "txb_IRC_Blue"}) {
            MarkKeyPresence(ctx, {box, row.control.index}, present, row.key, row.section, row.file);
        }
        return present;
    }
    MarkKeyPresence(ctx, row.control, present, row.key, row.section, row.file);
    return present;
}

void MarkRowsPresence(BindingContext& ctx, std::span<const BindingRow> rows) {
    for (const BindingRow& row : rows) MarkRowPresence(ctx, row);
}

}  // namespace kestrane
