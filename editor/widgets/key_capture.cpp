#include "editor/widgets/key_capture.h"

#include "editor/binding/binding_form.h"
#include "editor/store/bind_boxes.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

constexpr std::string_view kCapturing = kCapturingText;

void BindAndClear(int index, int code, BindBoxes& binds) {
    Bind(static_cast<std::int16_t>(index), static_cast<std::int16_t>(code), binds);
    DelKey(binds);
}

}  // namespace

void tbx_Bind_GotFocus(int index, BindBoxes& binds) {
    ProgramState& s = State();
    const std::string text = binds.Text(index);
    s.bindPreviousKey = text;
    // The key leaves its command now; the save gives it back only if a box still shows it.
    if (const auto line = FindBindLine(s.user, text)) s.user.SetValue(*line, {});
    // A box holding RightMouse does not capture: a click binds nothing there, a key does.
    if (EqualsNoCase(text, "RightMouse")) {
        binds.SetText(index, "RightMouse");
        return;
    }
    binds.SetFontSize(index, kBindBoxCaptureFontSize);
    binds.SetColours(index, kBindBoxCaptureBack, kBindBoxCaptureText);
    binds.SetText(index, std::string(kCapturing));
}

void tbx_Bind_KeyUp(int index, int keyCode, BindBoxes& binds) {
    BindAndClear(index, keyCode, binds);
}

void tbx_Bind_MouseDown(int index, int button, BindBoxes& binds) {
    if (!EqualsNoCase(binds.Text(index), kCapturing)) return;
    BindAndClear(index, button, binds);
}

void tbx_Bind_LostFocus(int index, BindBoxes& binds) {
    if (binds.Text(index) == kCapturing) binds.SetText(index, State().bindPreviousKey);
    binds.SetFontSize(index, BindBoxFontSize(binds.Text(index)));
    binds.SetColours(index, kBindBoxBack, std::nullopt);
}

}  // namespace kestrane
