#include "editor/binding/key_presence.h"

#include <string>

#include "editor/binding/key_searches.h"
#include "editor/store/text_compare.h"
#include "editor/store/text_routines.h"

namespace kestrane {

std::string MissingKeyTip(std::string_view key, std::string_view section, IniFile file) {
    std::string tip = file == IniFile::User ? "Not in User.ini: " : "Not in UT2004.ini: ";
    tip += section.empty() ? std::string("the file") : std::string(section);
    tip += " has no ";
    tip += key;
    tip += " line, so this setting is not saved.";
    return tip;
}

std::optional<size_t> FindKeyInOtherForm(const IniStore& store, std::string_view key,
                                         std::string_view section) {
    bool inside = section.empty();
    for (size_t row = 0; row < store.RowCount(); ++row) {
        if (store.Kind(row) == RowKind::Header) {
            if (!section.empty()) inside = EqualsNoCase(store.Key(row), section);
            continue;
        }
        if (inside && store.Kind(row) == RowKind::KeyLine &&
            EqualsNoCase(Unblanked(store.Key(row)), key)) {
            return row;
        }
    }
    return std::nullopt;
}

std::string AbsentKeyTip(const IniStore& store, std::string_view key, std::string_view section,
                         IniFile file) {
    const auto row = FindKeyInOtherForm(store, key, section);
    if (!row) return MissingKeyTip(key, section, file);
    std::string tip = "Not edited here: ";
    tip += section.empty() ? std::string("the file") : std::string(section);
    tip += " has its ";
    tip += key;
    tip +=
        " line as \"" + store.Key(*row) + "=" + store.Value(*row) + "\", a form this field does ";
    tip += "not take, so this setting is not saved from here. The ";
    tip += file == IniFile::User ? "User.INI" : "UT2004.INI";
    tip += " tab edits it.";
    return tip;
}

void MarkKeyPresence(BindingContext& ctx, ControlRef control, bool present, std::string_view key,
                     std::string_view section, IniFile file) {
    // A field's stepper buttons follow their box (see NumericField).
    ctx.controls.SetAvailable(
        control, present,
        present ? std::string() : AbsentKeyTip(ctx.Store(file), key, section, file));
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
