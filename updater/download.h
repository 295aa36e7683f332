// The download of one listed file: the body collected from the transfer, then written to its
// destination whole, with the progress shown meanwhile.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>

#include "platform/internet_transfer.h"

namespace patchwell {

class DownloadDisplay;

// True while one download is in flight; its completion clears it.
extern bool DownloadInProgress;

class UpdateDownload : public QObject {
    Q_OBJECT

  public:
    explicit UpdateDownload(DownloadDisplay& display, QObject* parent = nullptr);

    // Starts the download of FileLoc into Dest; Size is the kilobytes the list announces. The
    // caller has set DownloadInProgress and waits for it to drop. Throws UpdateFailure for a
    // size that is no whole number from 1 to 32767 or a transfer that cannot start.
    void DownloadUpdateFile(const std::string& Dest, const std::string& FileLoc,
                            const std::string& Size);

    // The completion handler of Inet1.
    void Inet1_StateChanged(int16_t State);
    // Refreshes the progress label.
    void Timer1_Timer();

    // Stops any transfer (the window is unloading).
    void Cancel();

    int64_t BufferUpperBound() const;
    // Why the last download failed; empty when it succeeded.
    const std::string& Failure() const { return failure_; }

    platform::InternetTransfer Inet1;

  private:
    void Finish();

    DownloadDisplay& display_;
    std::string DownloadBuffer;
    bool bufferAllocated_ = false;
    std::string DownloadDest;
    bool inHandler_ = false;
    std::string failure_;
};

}  // namespace patchwell
