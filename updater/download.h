// The download of one listed file: the body written as it arrives to a temporary file beside
// its destination, which takes the destination's name once the body is whole, with the
// progress shown meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/file_digest.h"
#include "platform/base/file_writer.h"
#include "platform/internet_transfer.h"
#include "updater/progress_pace.h"

namespace platform {
class RunLeftovers;
}

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
    // size that is no whole number from 1 to 32767, a destination that cannot be written or a
    // transfer that cannot start. The whole file, with what proves it is this download's, is
    // noted in `leftovers` (when given) just before it takes Dest's name.
    void DownloadUpdateFile(const std::string& Dest, const std::string& FileLoc,
                            const std::string& Size, platform::RunLeftovers* leftovers = nullptr);

    // The completion handler of Inet1.
    void Inet1_StateChanged(int16_t State);
    // Refreshes the progress label.
    void Timer1_Timer();

    // Stops any transfer (the window is unloading).
    void Cancel();

    // The highest index of the body received so far; -1 before its first byte.
    int64_t BufferUpperBound() const { return received_ - 1; }
    // Why the last download failed; empty when it succeeded.
    const std::string& Failure() const { return failure_; }

    platform::InternetTransfer Inet1;

  private:
    bool Receive(std::string_view piece);
    // Hides the progress and ends the download; the file takes its name when `commit` is set.
    void Finish(bool commit);
    std::string WriteFailure() const;

    DownloadDisplay& display_;
    platform::FileWriter file_;
    platform::FileDigest digest_;
    platform::RunLeftovers* leftovers_ = nullptr;
    int64_t received_ = 0;
    QElapsedTimer clock_;
    ProgressPace pace_;
    std::string DownloadDest;
    bool inHandler_ = false;
    std::string failure_;
};

}  // namespace patchwell
