// Patchwell's download of one file as a whole process, for the download benchmarks:
// patchwell_download <address> <host path>. Exit 0 when the file is in place, else 1 with the
// reason on stderr.
#include <QCoreApplication>
#include <cstdio>

#include "platform/base/paths.h"
#include "updater/download.h"
#include "updater/download_display.h"
#include "updater/update_failure.h"
#include "updater/waits.h"

namespace {

class NoDisplay : public patchwell::DownloadDisplay {
  public:
    void SetProgressVisible(bool) override {}
    void SetProgressMax(int32_t m) override { maximum_ = m; }
    int32_t ProgressMax() const override { return maximum_; }
    void SetProgressValue(int32_t v) override { value_ = v; }
    int32_t ProgressValue() const override { return value_; }
    void SetTimerEnabled(bool) override {}
    void SetPercentCaption(const std::string&) override {}
    void SetStatusCaption(const std::string&) override {}

  private:
    int32_t maximum_ = 0, value_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: patchwell_download <address> <host path>\n");
        return 2;
    }
    // The fixed pause before a download is the player's wait, not the transfer's.
    patchwell::SetDelaySecondForTest(std::chrono::milliseconds(1));
    NoDisplay display;
    patchwell::UpdateDownload download(display);
    try {
        patchwell::DownloadInProgress = true;
        download.DownloadUpdateFile(platform::ToWindowsPath(argv[2]), argv[1], "32767");
        patchwell::WaitFor([] { return !patchwell::DownloadInProgress; });
    } catch (const patchwell::UpdateFailure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    if (!download.Failure().empty()) {
        std::fprintf(stderr, "%s\n", download.Failure().c_str());
        return 1;
    }
    return 0;
}
