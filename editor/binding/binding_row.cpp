#include "editor/binding/binding_row.h"

#include <string>

#include "editor/binding/binding_form.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/untouched.h"
#include "editor/store/colour_text.h"
#include "editor/store/leading_number.h"

namespace kestrane {
namespace {

constexpr std::string_view kRed = "txb_IRC_Red";
constexpr std::string_view kGreen = "txb_IRC_Green";
constexpr std::string_view kBlue = "txb_IRC_Blue";
constexpr std::string_view kPreview = "tbx_IRCColor";

std::uint32_t Channel(const std::string& text) {
    const int v = LeadingInt16(text);
    return static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

}  // namespace

void LoadRow(BindingContext& ctx, const BindingRow& row) {
    if (row.form == Form::Binding) return LoadBindingRow(ctx, row);
    const IniStore& store = ctx.Store(row.file);
    const std::string value =
        row.section.empty() ? GetVal(store, row.key) : GetVal2(store, row.key, row.section);
    if (IsCheckForm(row.form)) {
        ctx.controls.SetValue(row.control, LoadCheck(row.form, value));
        NoteLoaded(ctx, row.control);
        return;
    }
    if (row.form == Form::Colour) {
        const int set = row.control.index;
        for (std::string_view box : {kRed, kGreen, kBlue}) NoteLoaded(ctx, {box, set});
        GetRGB(ctx.state.rgbParts, value);
        ctx.controls.SetText({kRed, set}, std::to_string(ctx.state.rgbParts[0]));
        ctx.controls.SetText({kGreen, set}, std::to_string(ctx.state.rgbParts[1]));
        ctx.controls.SetText({kBlue, set}, std::to_string(ctx.state.rgbParts[2]));
        ctx.controls.SetBackColor({kPreview, set},
                                  Channel(ctx.controls.Text({kRed, set})) +
                                      256 * Channel(ctx.controls.Text({kGreen, set})) +
                                      65536 * Channel(ctx.controls.Text({kBlue, set})));
        return;
    }
    ctx.controls.SetText(row.control, LoadText(row.form, value, row.n));
    NoteLoaded(ctx, row.control);
}

void SaveRow(BindingContext& ctx, const BindingRow& row) {
    if (row.form == Form::Binding) return SaveBindingRow(ctx, row);
    IniStore& store = ctx.Store(row.file);
    const auto line = row.section.empty() ? FindKey(store, row.key)
                                          : FindKeyInSection(store, row.key, row.section);
    if (!line) return;
    if (IsCheckForm(row.form)) {
        StoreUnlessUntouched(ctx, store, *line, {row.control},
                             SaveCheck(row.form, ctx.controls.Value(row.control)));
    } else if (row.form == Form::Colour) {
        const int set = row.control.index;
        const ControlRef red{kRed, set}, green{kGreen, set}, blue{kBlue, set};
        StoreUnlessUntouched(
            ctx, store, *line, {red, green, blue},
            ColourText(ctx.controls.Text(red), ctx.controls.Text(green), ctx.controls.Text(blue)));
    } else {
        std::string text = ctx.controls.Text(row.control);
        if (row.number || row.form == Form::TextLeft || row.form == Form::Number4) {
            text = FileNumberText(text);
        }
        StoreUnlessUntouched(ctx, store, *line, {row.control}, std::move(text));
    }
}

}  // namespace kestrane
