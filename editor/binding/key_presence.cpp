#include "editor/binding/key_presence.h"

#include <string>

#include "editor/binding/key_searches.h"

namespace kestrane {

void MarkKeyPresence(BindingContext& ctx, ControlRef control, bool present, std::string_view key,
                     std::string_view section) {
    std::string tip;
    if (!present) {
        tip = "Not in UT2004.ini: ";
        tip += section;
        tip += " has no ";
        tip += key;
        tip += " line, so this setting is not saved.";
    }
    ctx.controls.SetAvailable(control, present, tip);
    // tbx_video(i) steps with b_VideoAdd(i) / b_VideoSub(i), tbx_MinRefRate with index 34.
    int stepper = -1;
    if (control.name == "tbx_video") stepper = control.index;
    if (control.name == "tbx_MinRefRate") stepper = 34;
    if (stepper >= 0) {
        ctx.controls.SetAvailable({"b_VideoAdd", stepper}, present, tip);
        ctx.controls.SetAvailable({"b_VideoSub", stepper}, present, tip);
    }
}

void MarkRowsPresence(BindingContext& ctx, std::span<const BindingRow> rows) {
    for (const BindingRow& row : rows) {
        const IniStore& store = ctx.Store(row.file);
        const bool present = row.section.empty()
                                 ? FindKey(store, row.key).has_value()
                                 : FindKeyInSection(store, row.key, row.section).has_value();
        MarkKeyPresence(ctx, row.control, present, row.key, row.section);
    }
}

}  // namespace kestrane
