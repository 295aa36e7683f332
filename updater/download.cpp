#include "updater/download.h"

#include <QElapsedTimer>

#include "platform/base/files.h"
#include "updater/download_display.h"
#include "updater/progress_text.h"
#include "updater/update_failure.h"
#include "updater/update_list.h"
#include "updater/waits.h"

namespace patchwell {
namespace {

constexpr int32_t kChunkSize = 256;
// Events run between chunks at this pace: often enough for the window, rarely enough that a
// large body is not slowed down by them.
constexpr qint64 kEventsEveryMs = 15;

}  // namespace

bool DownloadInProgress = false;

UpdateDownload::UpdateDownload(DownloadDisplay& display, QObject* parent)
    : QObject(parent), display_(display) {
    connect(&Inet1, &platform::InternetTransfer::StateChanged, this,
            &UpdateDownload::Inet1_StateChanged);
    // The bar follows the bytes as they arrive, so a slow line shows it moving.
    connect(&Inet1, &platform::InternetTransfer::BytesReceived, this, [this](qint64 received) {
        if (received <= 0) return;
        const int32_t value = ProgressValue(received - 1, display_.ProgressMax());
        if (value != display_.ProgressValue()) display_.SetProgressValue(value);
    });
}

void UpdateDownload::DownloadUpdateFile(const std::string& Dest, const std::string& FileLoc,
                                        const std::string& Size) {
    display_.SetStatusCaption("");
    display_.SetPercentCaption("");
    const int16_t size = SizeKBValue(Size);
    Inet1.SetRequestTimeout(60);
    display_.SetProgressMax(size);
    DownloadDest = Dest;
    failure_.clear();
    Delay(2);
    if (!Inet1.Execute(FileLoc, "GET")) throw UpdateFailure(Inet1.LastError());
}

int64_t UpdateDownload::BufferUpperBound() const {
    return bufferAllocated_ ? static_cast<int64_t>(DownloadBuffer.size()) - 1 : -1;
}

void UpdateDownload::Inet1_StateChanged(int16_t State) {
    if (inHandler_) return;
    inHandler_ = true;
    if (State == platform::kInetStateError) {
        failure_ = Inet1.LastError();
        Finish();
        return;
    }
    if (State != platform::kInetStateResponseReceived) {
        inHandler_ = false;
        return;
    }
    while (Inet1.StillExecuting()) DoEvents();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    // The announced size, so that the buffer seldom moves as it grows.
    DownloadBuffer.reserve(static_cast<size_t>(display_.ProgressMax()) * 1024);
    std::string chunk;
    for (;;) {
        if (sinceEvents.elapsed() >= kEventsEveryMs) {
            DoEvents();
            sinceEvents.restart();
        }
        Inet1.GetChunk(kChunkSize, chunk);
        if (chunk.empty()) break;
        DownloadBuffer.append(chunk);
        bufferAllocated_ = true;
        if (chunk.size() < kChunkSize) break;
        const int32_t value = ProgressValue(BufferUpperBound(), display_.ProgressMax());
        if (value != display_.ProgressValue()) display_.SetProgressValue(value);
    }
    // A transfer cancelled while its body was read (the window closing) leaves no file.
    if (Inet1.Cancelled()) {
        failure_ = "the download of " + DownloadDest + " was cancelled";
        Finish();
        return;
    }
    // The file appears whole or not at all; an existing file is replaced, never overlaid.
    std::string error;
    if (!platform::WriteBytesAtomic(DownloadDest, DownloadBuffer, &error)) {
        failure_ = "cannot write " + DownloadDest + ": " + error;
    }
    Finish();
}

void UpdateDownload::Finish() {
    display_.SetProgressVisible(false);
    display_.SetProgressValue(0);
    display_.SetTimerEnabled(false);
    display_.SetStatusCaption("");
    display_.SetPercentCaption("");
    Inet1.Cancel();
    DownloadBuffer = std::string();
    bufferAllocated_ = false;
    DownloadInProgress = false;
    inHandler_ = false;
}

void UpdateDownload::Timer1_Timer() {
    display_.SetPercentCaption(ProgressCaption(display_.ProgressValue(), display_.ProgressMax()));
}

void UpdateDownload::Cancel() {
    Inet1.Cancel();
}

}  // namespace patchwell
