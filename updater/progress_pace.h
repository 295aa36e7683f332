// When the progress bar takes a new value. A fast line brings a new kilobyte every few
// microseconds, and each new value repaints the bar: it moves at most every kProgressEveryMs
// and only on to a further whole percent of its maximum, whichever is rarer.
#pragma once

#include <cstdint>

namespace patchwell {

inline constexpr int64_t kProgressEveryMs = 50;

class ProgressPace {
  public:
    // The bar shows 0 of `maximum` from `nowMs` on.
    void Start(int32_t maximum, int64_t nowMs);
    // Whether the bar is to show `value` now; if so, it is taken as shown.
    bool Due(int32_t value, int64_t nowMs);

  private:
    int64_t Percent(int32_t value) const;

    int32_t maximum_ = 1;
    int64_t shownPercent_ = 0;
    int64_t shownAtMs_ = 0;
};

}  // namespace patchwell
