#include "updater/download.h"

#include "platform/base/run_leftovers.h"
#include "updater/download_display.h"
#include "updater/progress_text.h"
#include "updater/update_failure.h"
#include "updater/update_list.h"
#include "updater/waits.h"

namespace patchwell {

bool DownloadInProgress = false;

UpdateDownload::UpdateDownload(DownloadDisplay& display, QObject* parent)
    : QObject(parent), display_(display) {
    connect(&Inet1, &platform::InternetTransfer::StateChanged, this,
            &UpdateDownload::Inet1_StateChanged);
}

void UpdateDownload::DownloadUpdateFile(const std::string& Dest, const std::string& FileLoc,
                                        const std::string& Size,
                                        platform::RunLeftovers* leftovers) {
    display_.SetStatusCaption("");
    display_.SetPercentCaption("");
    const int16_t size = SizeKBValue(Size);
    Inet1.SetRequestTimeout(60);
    display_.SetProgressMax(size);
    DownloadDest = Dest;
    failure_.clear();
    Delay(2);
    if (!file_.OpenWindowsPath(Dest)) throw UpdateFailure(WriteFailure());
    received_ = 0;
    leftovers_ = leftovers;
    digest_.Reset();
    clock_.start();
    pace_.Start(size, 0);
    if (!Inet1.Execute(FileLoc, "GET", [this](std::string_view piece) { return Receive(piece); })) {
        file_.Cancel();
        throw UpdateFailure(Inet1.LastError());
    }
}

bool UpdateDownload::Receive(std::string_view piece) {
    if (!file_.Write(piece)) return false;
    if (leftovers_) digest_.Add(piece);  // only what a record notes needs its digest
    received_ += static_cast<int64_t>(piece.size());
    const int32_t value = ProgressValue(BufferUpperBound(), display_.ProgressMax());
    if (pace_.Due(value, clock_.elapsed())) display_.SetProgressValue(value);
    return true;
}

void UpdateDownload::Inet1_StateChanged(int16_t State) {
    if (inHandler_) return;
    inHandler_ = true;
    if (State == platform::kInetStateError) {
        // A refused piece is the file's failure, which says more than the transfer's.
        failure_ = file_.Error().empty() ? Inet1.LastError() : WriteFailure();
        Finish(false);
        return;
    }
    if (State != platform::kInetStateResponseReceived) {
        inHandler_ = false;
        return;
    }
    while (Inet1.StillExecuting()) DoEvents();
    Finish(true);
}

void UpdateDownload::Finish(bool commit) {
    display_.SetProgressVisible(false);
    display_.SetProgressValue(0);
    display_.SetTimerEnabled(false);
    display_.SetStatusCaption("");
    display_.SetPercentCaption("");
    Inet1.Cancel();
    // The file appears whole or not at all; an existing file is replaced, never overlaid. Once
    // it has that name only the proof noted here lets a start tell it from a player's file.
    if (commit && leftovers_) {
        leftovers_->NoteFile(file_.Target(), {file_.NewFileId(), file_.Written(), digest_.Hex()});
    }
    leftovers_ = nullptr;
    if (commit && !file_.Commit()) failure_ = WriteFailure();
    file_.Cancel();
    received_ = 0;
    DownloadInProgress = false;
    inHandler_ = false;
}

std::string UpdateDownload::WriteFailure() const {
    return "cannot write " + DownloadDest + ": " + file_.Error();
}

void UpdateDownload::Timer1_Timer() {
    display_.SetPercentCaption(ProgressCaption(display_.ProgressValue(), display_.ProgressMax()));
}

void UpdateDownload::Cancel() {
    leftovers_ = nullptr;
    Inet1.Cancel();
    file_.Cancel();
}

}  // namespace patchwell
