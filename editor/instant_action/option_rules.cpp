#include "editor/instant_action/option_rules.h"

#include "editor/instant_action/option_rows.h"
#include "editor/store/leading_number.h"
#include "editor/store/number_readings.h"

namespace kestrane {

void OptionBoxChanged(OptionBoxes& boxes, int box) {
    const auto lead = [&](int i) { return LeadingNumber(boxes.Text(i)); };
    if (box == kBotsBox) boxes.BotsChanged();
    if (box == kInitialWaveBox && lead(kFinalWaveBox) < lead(kInitialWaveBox)) {
        boxes.SetText(kInitialWaveBox, boxes.Text(kFinalWaveBox));
    }
    if (box == kFinalWaveBox) {
        if (lead(kInitialWaveBox) > lead(kFinalWaveBox)) {
            boxes.SetText(kFinalWaveBox, boxes.Text(kInitialWaveBox));
        }
        if (lead(kFinalWaveBox) > 16) boxes.SetText(kFinalWaveBox, "16");
    }
    if (lead(box) <= 0) boxes.SetText(box, "0");
}

std::optional<std::string> SteppedText(std::string_view text, double delta) {
    if (!IsNumericText(text)) return std::nullopt;
    return NumberText(LocaleNumber(text) + delta);
}

}  // namespace kestrane
