#include "platform/zip_staged_files.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <system_error>
#include <thread>

namespace platform {
namespace {

// Syncs in flight at once: enough for the disk to take many files in one journal commit.
constexpr size_t kSyncThreads = 16;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

FileWriter* StagedFiles::Open(const std::string& hostTarget, std::string* error) {
    auto file = std::make_unique<FileWriter>();
    if (!file->Open(hostTarget)) {
        if (error) *error = file->Error();
        return nullptr;
    }
    files_.push_back(std::move(file));
    return files_.back().get();
}

bool StagedFiles::SyncAll(std::string* failedPath, std::string* error) {
    std::atomic<size_t> next{0};
    std::atomic<size_t> failed{files_.size()};
    auto work = [&] {
        for (size_t i; (i = next++) < files_.size() && failed.load() == files_.size();) {
            if (!files_[i]->Sync()) {
                size_t none = files_.size();
                failed.compare_exchange_strong(none, i);
            }
        }
    };
    std::vector<std::thread> threads;
    const size_t count = std::min(kSyncThreads, files_.size());
    for (size_t t = 1; t < count; ++t) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    if (failed == files_.size()) return true;
    if (failedPath) *failedPath = files_[failed]->Target();
    if (error) *error = files_[failed]->Error();
    return false;
}

void StagedFiles::UnplaceFirst(size_t count) {
    while (count > 0) files_[--count]->Unplace();
}

bool StagedFiles::Commit(const std::vector<std::string>& alsoSync, std::string* failedPath,
                         std::string* error) {
    if (!SyncAll(failedPath, error)) return false;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (!files_[i]->Place()) {
            if (failedPath) *failedPath = files_[i]->Target();
            if (error) *error = files_[i]->Error();
            UnplaceFirst(i);
            return false;
        }
    }
    std::set<std::string> folders(alsoSync.begin(), alsoSync.end());
    for (const auto& file : files_) folders.insert(FolderOf(file->Target()));
    for (const std::string& folder : folders) {
        int e = InjectedWriteFault(WriteStep::SyncFolder);
        if (e == 0) e = SyncFolder(folder);
        if (e != 0) {
            if (failedPath) *failedPath = folder;
            if (error) *error = std::generic_category().message(e);
            UnplaceFirst(files_.size());
            return false;
        }
    }
    for (const auto& file : files_) file->DropOld();
    files_.clear();
    return true;
}

}  // namespace platform
