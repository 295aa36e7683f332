#include "updater/progress_text.h"

#include <algorithm>
#include <cmath>

#include "platform/base/regional.h"

namespace patchwell {

std::string GroupedNumber(int32_t value) {
    if (value == 0) return {};
    const std::string digits = std::to_string(value < 0 ? -static_cast<int64_t>(value) : value);
    std::string out = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += platform::DigitGroupSeparator();
        out += digits[i];
    }
    return out;
}

std::string ProgressCaption(int32_t value, int32_t maximum) {
    return GroupedNumber(value) + " of " + GroupedNumber(maximum) + " Kb's Received";
}

int32_t ProgressValue(int64_t upperBound, int32_t maximum) {
    const double kb = std::nearbyint(static_cast<double>(upperBound) / 1024.0);
    return static_cast<int32_t>(std::min<double>(kb, maximum));
}

}  // namespace patchwell
