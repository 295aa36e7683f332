#include "editor/binding/binding_form.h"

#include "editor/binding/key_searches.h"
#include "editor/binding/untouched.h"
#include "editor/store/text_compare.h"

namespace kestrane {

std::optional<size_t> FindBindLine(const IniStore& user, std::string_view keyName) {
    if (auto row = FindKey(user, keyName)) return row;
    if (keyName.empty()) return std::nullopt;
    return user.FindKey(keyName);
}

void LoadBindingRow(BindingContext& ctx, const BindingRow& row) {
    const IniStore& user = ctx.state.user;
    const int first = row.control.index;
    ctx.controls.SetText({row.control.name, first}, GetBind(user, row.key));
    ctx.controls.SetText({row.control.name, first + 1}, GetBind2(user, row.key));
    // Not for the untouched rule (a binding line is found by the box's key), but a changed
    // box is an edit not yet saved.
    NoteLoaded(ctx, {row.control.name, first});
    NoteLoaded(ctx, {row.control.name, first + 1});
}

void SaveBindingRow(BindingContext& ctx, const BindingRow& row) {
    IniStore& user = ctx.state.user;
    for (int box : {row.control.index, row.control.index + 1}) {
        std::string key = ctx.controls.Text({row.control.name, box});
        if (key == kCapturingText) key = ctx.state.bindPreviousKey;
        const auto line = FindBindLine(user, key);
        if (!line) continue;
        // A line that already names the command keeps the file's own spelling of it, so a save
        // with no edits leaves every binding line as it was.
        if (EqualsNoCase(user.Value(*line), row.key)) continue;
        user.SetValue(*line, std::string(row.key));
    }
}

}  // namespace kestrane
