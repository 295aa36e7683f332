#include <array>

#include "editor/binding/areas.h"
#include "editor/binding/render_device_run.h"
#include "editor/binding/untouched.h"

namespace kestrane {
namespace {

constexpr std::array<ControlRef, 3> kOptions = {
    {{"RenOption", 0}, {"RenOption", 1}, {"RenOption", 2}}};

// Every load starts from no choice, so a button an earlier file chose does not survive a file
// whose device has none.
void LoadChoice(BindingContext& ctx) {
    for (ControlRef option : kOptions) ctx.controls.SetValue(option, 0);
    const int option = RenderOptionOf(ctx.state.renderDeviceName);
    if (option >= 0) ctx.controls.SetValue(kOptions[static_cast<size_t>(option)], 1);
    for (ControlRef option : kOptions) NoteLoaded(ctx, option);
}

// An untouched choice renames nothing; a changed one finds its device by class name.
void SaveChoice(BindingContext& ctx) {
    if (AllUntouched(ctx, {kOptions[0], kOptions[1], kOptions[2]})) return;
    for (size_t i = 0; i < kOptions.size(); ++i) {
        if (ctx.controls.Value(kOptions[i]) == 1) {
            ActivateRenderDevice(ctx.state.ut2004, static_cast<int>(i));
            return;
        }
    }
}

}  // namespace

const AreaBinding& RenderChoiceArea() {
    static const AreaBinding area{
        .rows = {},
        .beforeLoad = LoadChoice,
        .beforeSave = SaveChoice,
    };
    return area;
}

}  // namespace kestrane
