// One update run: the list fetched, its news shown, every changed file downloaded, unpacked
// into the program folder and its archive deleted, then the version marker written.
#pragma once

#include <memory>
#include <string>

namespace platform {
class InternetTransfer;
}

namespace patchwell {

class PatcherView;
class UpdateDownload;
class cUnzip;

enum class RunOutcome { Completed, Failed, Ended };

struct RunResult {
    RunOutcome outcome = RunOutcome::Completed;
    std::string failure;  // why a failed run failed
};

struct RunControls {
    PatcherView& view;
    platform::InternetTransfer& iNet;
    UpdateDownload& download;
    std::unique_ptr<cUnzip>& m_cUnzip;
};

// Any failure shows "Update Failed, Shutting Down." and ends the program.
RunResult RunUpdate(RunControls controls, const std::string& listUrl);

}  // namespace patchwell
