#include "updater/update_run.h"

#include <QDebug>

#include "platform/base/files.h"
#include "platform/base/folders.h"
#include "platform/base/paths.h"
#include "platform/base/regional.h"
#include "platform/base/run_leftovers.h"
#include "platform/internet_transfer.h"
#include "platform/message_box.h"
#include "platform/zip_library.h"
#include "updater/download.h"
#include "updater/file_part.h"
#include "updater/markers.h"
#include "updater/patcher_view.h"
#include "updater/program_end.h"
#include "updater/unzip/c_unzip.h"
#include "updater/update_failure.h"
#include "updater/update_list.h"
#include "updater/waits.h"

namespace patchwell {
namespace {

const std::string kCrLf = "\r\n";

struct UnzipResultWords {
    int32_t result;
    const char* words;
};

constexpr UnzipResultWords kUnzipResults[] = {
    {platform::kUnzipWarning, "some entries were skipped"},
    {platform::kUnzipArchiveError, "an entry is damaged"},
    {platform::kUnzipInternalError, "internal error"},
    {platform::kUnzipNotAZip, "not a zip archive, or unreadable"},
    {platform::kUnzipBadParameter, "bad parameter"},
    {platform::kUnzipNothingMatched, "no entry matched"},
    {platform::kUnzipDiskError, "a file or folder could not be written"},
    {platform::kUnzipTooLarge, "the archive would unpack to more than there is room for"},
    {platform::kUnzipCancelled, "cancelled"},
    {platform::kUnzipUnsafeEntry, "an entry would leave the folder"},
    {platform::kUnzipRefusedName, "an entry's name is not a file name"},
};

std::string UnzipResultText(int32_t result) {
    std::string text = "unzip result " + std::to_string(result);
    for (const UnzipResultWords& row : kUnzipResults) {
        if (row.result == result) return text + ": " + row.words;
    }
    return text;
}

std::string Rule() {
    std::string rule;
    for (int i = 0; i < 30; ++i) rule += "=-";
    return rule + "=";
}

void EnsureFolder(const std::string& path) {
    std::string why;
    if (!platform::FolderExists(path) && platform::MakeDirectory(path, &why) != 0) {
        throw UpdateFailure("cannot create the folder " + path + ": " + why);
    }
}

// Folders on the way to a file below the program folder, made when missing; each is noted
// before it is made, so that a failed run removes what it made.
void EnsureFolders(const std::string& programFolder, const std::string& folderPart,
                   platform::RunLeftovers& leftovers) {
    std::string path = programFolder;
    size_t from = 1;
    for (size_t end; (end = folderPart.find('\\', from)) != std::string::npos; from = end + 1) {
        if (end == from) continue;
        path += "\\" + folderPart.substr(from, end - from);
        if (platform::FolderExists(path)) continue;
        leftovers.NoteFolder(path);
        EnsureFolder(path);
    }
}

class Run {
  public:
    Run(RunControls c)
        : c_(c),
          programFolder_(platform::ProgramFolder()),
          leftovers_(programFolder_ + "\\" + platform::kRunLeftoversRecordName) {}

    void Go(const std::string& listUrl) {
        std::string reply;
        if (!c_.iNet.OpenURL(listUrl, reply)) throw UpdateFailure(c_.iNet.LastError());
        c_.view.SetLogText(platform::ShortDateText());
        const UpdateList list = ParseUpdateList(reply);
        for (int16_t i = 1; i <= list.newsCount; ++i) Append(kCrLf + list.pieces[i]);
        Delay(1);

        // The markers' folder must be there before anything is fetched for them.
        if (!list.NoEntries()) EnsureFolder(UpdateFolder());
        bool current = false;
        for (size_t j = list.firstEntry; j < list.endEntry; ++j) {
            current = Entry(list.UpdateEntries[j]);
        }
        if (current || list.NoEntries()) {
            Append(kCrLf + Rule() + kCrLf + kCrLf + "Done!" + kCrLf);
        } else {
            Append(kCrLf + Rule() + kCrLf + kCrLf + "Update Successful" + kCrLf + kCrLf + "Done!" +
                   kCrLf);
        }
    }

  private:
    void Append(const std::string& addition) {
        c_.view.AppendLog(addition);
        c_.view.ScrollRTBDown();
    }

    // True when the entry was already up to date. A failure, or the program ending, leaves no
    // archive and no folder this entry made and left empty.
    bool Entry(const UpdateEntry& entry) {
        try {
            const bool current = Fetch(entry);
            leftovers_.Forget();
            return current;
        } catch (...) {
            leftovers_.RemoveAll();
            throw;
        }
    }

    bool Fetch(const UpdateEntry& entry) {
        const std::string marker = MarkerPath(entry.MarkerName);
        const std::string baseName = FilePart(entry.LocalPath, kPartBaseName);
        if (platform::FileExists(marker) && ReadMarker(marker) == entry.Version) {
            Append(kCrLf + "File: " + baseName + "." + FilePart(entry.LocalPath, kPartExtension) +
                   " - Already Updated!");
            Delay(1);
            return true;
        }
        const std::string line = "Downloading Update File: " + baseName + ", please wait . . .";
        c_.view.AppendLog(kCrLf + line);
        c_.view.MarkLogTail(line.size());
        c_.view.ScrollRTBDown();
        DoEvents();

        const std::string archive = programFolder_ + entry.LocalPath;
        const std::string folderPart = FilePart(entry.LocalPath, kPartFolder);
        EnsureFolders(programFolder_, folderPart, leftovers_);
        c_.view.SetProgressVisible(true);
        c_.view.SetTimerEnabled(true);
        DownloadInProgress = true;
        // The file, once it takes the archive's name, is removed by the next start if a kill
        // stops the run before it is done with it.
        c_.download.DownloadUpdateFile(archive, entry.Url, entry.SizeKB, &leftovers_);
        WaitFor([] { return !DownloadInProgress; });
        if (!c_.download.Failure().empty()) throw UpdateFailure(c_.download.Failure());

        c_.view.AppendLog(" Done!");
        c_.m_cUnzip = std::make_unique<cUnzip>();
        cUnzip& zip = *c_.m_cUnzip;
        zip.OverwriteExisting(true);
        zip.ZipFile(archive);
        zip.UnzipFolder(programFolder_ + folderPart);
        const bool unpacked = zip.Unzip();
        DoEvents();
        std::string why;
        if (!unpacked) {
            // Nothing of it was unpacked; the next run fetches it again.
            platform::RemoveFile(archive);
            why = zip.LastError().empty() ? "" : ": " + zip.LastError();
            throw UpdateFailure("the archive " + archive + " could not be unpacked" + why + " (" +
                                UnzipResultText(zip.LastResult()) + ")");
        }
        if (!platform::RemoveFile(archive, &why)) {
            throw UpdateFailure("cannot delete " + archive + ": " + why);
        }
        // Only now is the new version in place.
        WriteMarker(marker, entry.Version);
        return false;
    }

    RunControls c_;
    std::string programFolder_;
    platform::RunLeftovers leftovers_;
};

}  // namespace

RunResult RunUpdate(RunControls controls, const std::string& listUrl) {
    RunResult result;
    try {
        Run(controls).Go(listUrl);
        controls.view.ScrollRTBDown();
        controls.view.SetUpdateEnabled(true);
        return result;
    } catch (const ProgramEnding&) {
        result.outcome = RunOutcome::Ended;
        return result;
    } catch (const std::exception& failure) {
        result.outcome = RunOutcome::Failed;
        result.failure = failure.what();
    }
    qWarning().noquote() << "Patchwell: update failed:" << QString::fromStdString(result.failure);
    controls.download.Cancel();
    // The player reads why before the one message ends the program.
    controls.view.AppendLog(kCrLf + "Failed: " + result.failure);
    controls.view.ScrollRTBDown();
    platform::ShowMessage("Update Failed, Shutting Down.", platform::MsgButtons::Ok,
                          "Update Failed", controls.view.MessageOwner());
    EndProgram(1);
    return result;
}

}  // namespace patchwell
