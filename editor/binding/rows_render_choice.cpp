#include <array>
#include <string>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"
#include "editor/binding/render_device_run.h"
#include "editor/binding/untouched.h"

namespace kestrane {
namespace {

constexpr std::array<ControlRef, 3> kOptions = {
    {{"RenOption", 0}, {"RenOption", 1}, {"RenOption", 2}}};
// The class a missing line is named by in the button's tip.
constexpr std::array<std::string_view, 3> kDeviceNames = {
    "D3DDrv.D3DRenderDevice", "OpenGLDrv.OpenGLRenderDevice", "PixoDrv.PixoRenderDevice"};

// Every load starts from no choice, so a button an earlier file chose does not survive a file
// whose device has none. A button whose device has no line in the run takes no choice: no
// save could make it active.
void LoadChoice(BindingContext& ctx) {
    for (ControlRef option : kOptions) ctx.controls.SetValue(option, 0);
    const int option = RenderOptionOf(ctx.state.renderDeviceName);
    if (option >= 0) ctx.controls.SetValue(kOptions[static_cast<size_t>(option)], 1);
    for (size_t i = 0; i < kOptions.size(); ++i) {
        const bool present = RenderDeviceLine(ctx.state.ut2004, static_cast<int>(i)).has_value();
        MarkKeyPresence(ctx, kOptions[i], present, "RenderDevice=" + std::string(kDeviceNames[i]),
                        "[Engine.Engine]");
        NoteLoaded(ctx, kOptions[i]);
    }
}

// An untouched choice keeps the run as the file holds it; a changed one finds its device by
// class name.
void SaveChoice(BindingContext& ctx) {
    IniStore& ut = ctx.state.ut2004;
    if (AllUntouched(ctx, {kOptions[0], kOptions[1], kOptions[2]})) {
        if (const auto run = FindRenderDeviceRun(ut)) {
            for (size_t row = run->first; row <= run->last; ++row) {
                ut.SetKey(row, std::string(ut.LoadedKey(row)));
            }
        }
        return;
    }
    for (size_t i = 0; i < kOptions.size(); ++i) {
        if (ctx.controls.Value(kOptions[i]) == 1) {
            ActivateRenderDevice(ut, static_cast<int>(i));
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
