#include "editor/store/bind_boxes.h"

#include <unordered_set>

#include "editor/store/game_key_names.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"

namespace kestrane {

int BindBoxFontSize(const std::string& text) {
    return text.size() > 10 ? 6 : 7;
}

void Bind(std::int16_t index, std::int16_t keyCode, BindBoxes& binds) {
    ProgramState& s = State();
    s.bindKeyName = std::string(KeyCodeToName(keyCode));
    s.bindIndex = index;
    if (index >= 0 && index < binds.Count()) binds.SetText(index, s.bindKeyName);
    binds.MoveFocusAway();
}

void DelKey(BindBoxes& binds) {
    const ProgramState& s = State();
    for (int i = 0; i < binds.Count(); ++i) {
        std::string text = binds.Text(i);
        if (i != s.bindIndex && EqualsNoCase(text, s.bindKeyName)) {
            text.clear();
            binds.SetText(i, text);
        }
        binds.SetFontSize(i, BindBoxFontSize(text));
    }
}

void LimitBindTo2(BindBoxes& binds) {
    // Each later box equal to an earlier one (empty ones too) is emptied; one pass with a set of
    // the folded texts seen gives that without comparing every pair.
    std::unordered_set<std::string> seen;
    for (int i = 0; i < binds.Count(); ++i) {
        const std::string text = binds.Text(i);
        if (!seen.insert(Folded(text)).second && !text.empty()) binds.SetText(i, {});
    }
}

}  // namespace kestrane
