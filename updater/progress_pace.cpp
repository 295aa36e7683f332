#include "updater/progress_pace.h"

#include <algorithm>

namespace patchwell {

void ProgressPace::Start(int32_t maximum, int64_t nowMs) {
    maximum_ = std::max(maximum, 1);
    shownPercent_ = 0;
    shownAtMs_ = nowMs;
}

int64_t ProgressPace::Percent(int32_t value) const {
    return static_cast<int64_t>(value) * 100 / maximum_;
}

bool ProgressPace::Due(int32_t value, int64_t nowMs) {
    if (nowMs - shownAtMs_ < kProgressEveryMs || Percent(value) <= shownPercent_) return false;
    shownPercent_ = Percent(value);
    shownAtMs_ = nowMs;
    return true;
}

}  // namespace patchwell
