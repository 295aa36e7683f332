#include "editor/binding/binding_row.h"

#include <array>
#include <optional>
#include <string>

#include "editor/binding/binding_form.h"
#include "editor/binding/key_presence.h"
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

// A parsed channel held to what a colour can paint; the text keeps its own number.
std::uint32_t Paintable(int v) {
    return static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

}  // namespace

void LoadRow(BindingContext& ctx, const BindingRow& row) {
    if (row.form == Form::Binding) return LoadBindingRow(ctx, row);
    // A key the save would not find keeps no edit: its control says so, and shows what the
    // form makes of a missing key rather than the value of a later section.
    const bool present = MarkRowPresence(ctx, row);
    const IniStore& store = ctx.Store(row.file);
    const std::string value = !present              ? std::string()
                              : row.section.empty() ? GetVal(store, row.key)
                                                    : GetVal2(store, row.key, row.section);
    if (IsCheckForm(row.form)) {
        ctx.controls.SetValue(row.control, LoadCheck(row.form, value));
        NoteLoaded(ctx, row.control);
        return;
    }
    if (row.form == Form::Colour) {
        const int set = row.control.index;
        for (std::string_view box : {kRed, kGreen, kBlue}) NoteLoaded(ctx, {box, set});
        if (!present) {
            for (std::string_view box : {kRed, kGreen, kBlue}) ctx.controls.SetText({box, set}, {});
            ctx.controls.SetBackColor({kPreview, set}, 0);
            return;
        }
        // By letter, so a text in another order still shows its own channels. A channel shows
        // the file's own text ("12.5", "99999999999"); the preview paints what the game reads.
        ReadRGB(ctx.state.rgbParts, value);
        const auto& rgb = ctx.state.rgbParts;
        const ColourSpans spans = FindColourChannels(value);
        const std::array<std::string_view, 3> boxes = {kRed, kGreen, kBlue};
        for (size_t c = 0; c < 3; ++c) {
            const auto& span = spans[c];
            ctx.controls.SetText({boxes[c], set},
                                 span && span->end > span->begin
                                     ? value.substr(span->begin, span->end - span->begin)
                                     : std::to_string(rgb[c]));
        }
        ctx.controls.SetBackColor({kPreview, set}, Paintable(rgb[0]) + 256 * Paintable(rgb[1]) +
                                                       65536 * Paintable(rgb[2]));
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
        // Only the channels the player changed get new numbers: the file's alpha, order,
        // spacing and the other channels' own texts (300, 12.5) stay.
        const int set = row.control.index;
        const std::array<ControlRef, 3> boxes = {{{kRed, set}, {kGreen, set}, {kBlue, set}}};
        std::array<std::optional<std::string>, 3> edited;
        std::array<std::string, 3> shown;
        for (size_t c = 0; c < 3; ++c) {
            shown[c] = ctx.controls.Text(boxes[c]);
            if (!Untouched(ctx, boxes[c])) edited[c] = shown[c];
        }
        StoreUnlessUntouched(ctx, store, *line, {boxes[0], boxes[1], boxes[2]},
                             EditedColourText(store.LoadedValue(*line), edited, shown));
    } else {
        std::string text = ctx.controls.Text(row.control);
        if (row.number || row.form == Form::TextLeft || row.form == Form::Number4) {
            text = FileNumberText(text);
        }
        StoreUnlessUntouched(ctx, store, *line, {row.control}, std::move(text));
    }
}

}  // namespace kestrane
