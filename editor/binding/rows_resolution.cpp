#include "editor/binding/rows_resolution.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/resolution_text.h"
#include "editor/binding/row_steps.h"
#include "editor/binding/untouched.h"

namespace kestrane {
namespace {

constexpr std::string_view kClient = "[WinDrv.WindowsClient]";
constexpr std::string_view kSdl = "[SDLDrv.SDLClient]";

struct ResolutionCombo {
    int index;  // cbx_Video
    std::string_view widthKey;
    std::string_view heightKey;
    std::string_view label;  // its caption on the Video tab
};

constexpr std::array<ResolutionCombo, 3> kCombos = {{
    {0, "FullscreenViewportX", "FullscreenViewportY", "FullScreen"},
    {1, "WindowedViewportX", "WindowedViewportY", "Windowed"},
    {9, "MenuViewportX", "MenuViewportY", "Menu"},
}};

constexpr ControlRef ComboOf(const ResolutionCombo& c) {
    return {"cbx_Video", c.index};
}

template <size_t I>
void LoadResolution(BindingContext& ctx) {
    const ResolutionCombo& c = kCombos[I];
    const IniStore& ut = ctx.state.ut2004;
    ctx.controls.SetText(ComboOf(c), ResolutionText(GetVal2(ut, c.widthKey, kClient),
                                                    GetVal2(ut, c.heightKey, kClient)));
    bool present = false;
    for (std::string_view section : {kClient, kSdl}) {
        for (std::string_view key : {c.widthKey, c.heightKey}) {
            present = present || FindKeyInSection(ut, key, section).has_value();
        }
    }
    MarkKeyPresence(ctx, ComboOf(c), present, c.widthKey, kClient);
}

// One part on its line; the line as the file holds it when the combo is untouched or its
// text gives no part.
void StorePart(BindingContext& ctx, ControlRef combo, std::optional<size_t> line,
               const std::string* part) {
    if (!line) return;
    IniStore& ut = ctx.state.ut2004;
    if (part) {
        StoreUnlessUntouched(ctx, ut, *line, {combo}, *part);
    } else {
        ut.SetValue(*line, std::string(ut.LoadedValue(*line)));
    }
}

// Only a resolution the player changed is written, into the Windows client and then into the
// SDL client: an untouched combo keeps both sections as the file holds them (a Linux install
// keeps its own SDL resolution). A text that splits into no width and height keeps them too;
// the save refuses it beforehand (UnstorableResolutions).
template <size_t I>
void SaveResolution(BindingContext& ctx) {
    const ResolutionCombo& c = kCombos[I];
    const ControlRef combo = ComboOf(c);
    const auto parts = SplitResolution(ctx.controls.Text(combo));
    const IniStore& ut = ctx.state.ut2004;
    for (std::string_view section : {kClient, kSdl}) {
        StorePart(ctx, combo, FindKeyInSection(ut, c.widthKey, section),
                  parts ? &parts->width : nullptr);
        StorePart(ctx, combo, FindKeyInSection(ut, c.heightKey, section),
                  parts ? &parts->height : nullptr);
    }
}

template <size_t I>
constexpr RowStep ResolutionStep() {
    return {
        BindingRow{IniFile::UT2004, kCombos[I].widthKey, kClient, ComboOf(kCombos[I]), Form::Text},
        Walks::Both, LoadResolution<I>, SaveResolution<I>};
}

constexpr BindingRow Client(std::string_view key, ControlRef control, Form form, int n = 0) {
    return BindingRow{IniFile::UT2004, key, kClient, control, form, n};
}

constexpr std::array<BindingRow, 4> kDisplayRows = {{
    Client("MinDesiredFrameRate", {"tbx_MinRefRate"}, Form::TextLeft, 5),
    Client("Gamma", {"tbx_video", 0}, Form::TextLeft, 3),
    Client("Brightness", {"tbx_video", 1}, Form::TextLeft, 3),
    Client("Contrast", {"tbx_video", 2}, Form::TextLeft, 3),
}};

const std::array<RowStep, 9> kSteps = {{
    ResolutionStep<0>(),
    ResolutionStep<1>(),
    ResolutionStep<2>(),
    {kDisplayRows[0]},
    {kDisplayRows[1]},
    {kDisplayRows[2]},
    {kDisplayRows[3]},
    // The window client's first two switches, run once more at this place by both walks.
    {Client("StartupFullscreen", {"c_Video", 0}, Form::Flag)},
    {Client("ScreenFlashes", {"c_Video", 1}, Form::Flag)},
}};

}  // namespace

std::vector<std::string> UnstorableResolutions(const BindingContext& ctx) {
    std::vector<std::string> problems;
    for (const ResolutionCombo& c : kCombos) {
        const ControlRef combo = ComboOf(c);
        if (Untouched(ctx, combo)) continue;
        const std::string text = ctx.controls.Text(combo);
        if (SplitResolution(text)) continue;
        problems.push_back("The " + std::string(c.label) + " resolution \"" + text +
                           "\" cannot be saved: it needs a width and a height in whole "
                           "numbers, such as 1024 X 768.");
    }
    return problems;
}

const AreaBinding& ResolutionArea() {
    static const AreaBinding area{
        .rows = {},
        .beforeLoad = [](BindingContext& ctx) { LoadSteps(ctx, kSteps); },
        .beforeSave = [](BindingContext& ctx) { SaveSteps(ctx, kSteps); },
    };
    return area;
}

}  // namespace kestrane
