// What a download shows while it runs: the progress bar, its two labels and its timer.
#pragma once

#include <cstdint>
#include <string>

namespace patchwell {

class DownloadDisplay {
  public:
    virtual ~DownloadDisplay() = default;
    virtual void SetProgressVisible(bool visible) = 0;
    virtual void SetProgressMax(int32_t maximum) = 0;
    virtual int32_t ProgressMax() const = 0;
    virtual void SetProgressValue(int32_t value) = 0;
    virtual int32_t ProgressValue() const = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void SetPercentCaption(const std::string& text) = 0;  // lblPercent
    virtual void SetStatusCaption(const std::string& text) = 0;   // Label2
};

}  // namespace patchwell
