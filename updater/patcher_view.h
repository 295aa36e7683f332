// What an update run needs of the updater's window.
#pragma once

#include <cstddef>
#include <string>

#include "updater/download_display.h"

class QWidget;

namespace patchwell {

class PatcherView : public DownloadDisplay {
  public:
    // The log, as text with CR LF between lines.
    virtual std::string LogText() const = 0;
    virtual void SetLogText(const std::string& text) = 0;
    // Adds to the end of the log; a new line is an addition that begins with CR LF.
    virtual void AppendLog(const std::string& addition) = 0;
    // The last `characters` of the log turn red, bold and 12 point.
    virtual void MarkLogTail(size_t characters) = 0;
    virtual void ScrollRTBDown() = 0;
    virtual void SetUpdateEnabled(bool enabled) = 0;
    // Owner of the run's message boxes.
    virtual QWidget* MessageOwner() = 0;
};

}  // namespace patchwell
