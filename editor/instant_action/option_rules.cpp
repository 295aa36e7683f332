#include "editor/instant_action/option_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "editor/instant_action/option_rows.h"
#include "editor/store/leading_number.h"
#include "editor/store/number_readings.h"

namespace kestrane {

void OptionBoxChanged(OptionBoxes& boxes, int box, bool typing) {
    const auto lead = [&](int i) { return LeadingNumber(boxes.Text(i)); };
    if (box == kBotsBox) boxes.BotsChanged();
    if (typing && IsStartOfNumber(boxes.Text(box))) return;
    // The lowest number the box may still become as the player types on; its own number when
    // the text is set otherwise, or is no number the typing could go on with.
    const auto lowest = [&] {
        const std::string text = boxes.Text(box);
        const double now = LeadingNumber(text);
        return typing && IsNumericText(text) ? LowestByTyping(text, now) : now;
    };
    if (box == kInitialWaveBox && lead(kFinalWaveBox) < lowest()) {
        boxes.SetText(kInitialWaveBox, boxes.Text(kFinalWaveBox));
    }
    // Digits typed after a raised text would make another number of it: the final wave's floor
    // and the zero rule wait until the player is done.
    if (box == kFinalWaveBox) {
        if (!typing && lead(kInitialWaveBox) > lead(kFinalWaveBox)) {
            boxes.SetText(kFinalWaveBox, boxes.Text(kInitialWaveBox));
        }
        if (lowest() > 16) boxes.SetText(kFinalWaveBox, "16");
    }
    if (!typing && lead(box) <= 0) boxes.SetText(box, "0");
}

bool IsWholeNumberOption(int box) {
    // The keys the game keeps as decimals (the files write them "0.500000").
    constexpr std::array<std::string_view, 3> kDecimalKeys{"FriendlyFireScale",
                                                           "SpawnProtectionTime", "CampThreshold"};
    for (const OptionRow& row : OptionRowTable()) {
        if (row.kind == OptionKind::NumberBox && row.index == box) {
            return std::find(kDecimalKeys.begin(), kDecimalKeys.end(), row.key) ==
                   kDecimalKeys.end();
        }
    }
    return box == kBotsBox;
}

std::optional<std::string> SteppedText(std::string_view text, double delta, bool whole) {
    if (!IsNumericText(text)) return std::nullopt;
    const double reading = LocaleNumber(text);
    if (!std::isfinite(reading)) return std::nullopt;
    if (!whole) return NumberText(reading + delta);
    if (reading < kGameIntegerLowest || reading > kGameIntegerHighest) return std::nullopt;
    return IntegerText(
        std::clamp(std::nearbyint(reading + delta), kGameIntegerLowest, kGameIntegerHighest));
}

}  // namespace kestrane
