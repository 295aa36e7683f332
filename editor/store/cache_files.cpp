#include "editor/store/cache_files.h"

#include <algorithm>
#include <cstdlib>

#include "editor/store/cache_file_types.h"
#include "editor/store/text_compare.h"
#include "platform/base/files.h"
#include "platform/base/folders.h"

namespace kestrane {
namespace {

std::string CacheIniPath(const std::string& cacheFolder) {
    return cacheFolder + "cache.ini";
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::optional<std::string> LoadCacheIni(const std::string& cacheFolder, CacheIni& cache) {
    cache.Load({});
    if (!platform::FolderExists(cacheFolder)) {
        return "The game's cache folder " + cacheFolder + " does not exist: nothing is cached.";
    }
    const std::string path = CacheIniPath(cacheFolder);
    if (const std::string why = platform::NotAFileReason(path); !why.empty()) {
        return path + " " + (why.starts_with("it ") ? why.substr(3) : why) + ": nothing is cached.";
    }
    FileError error;
    auto text = ReadFile(path, &error);
    if (!text) return error.Message("read");
    cache.Load(*text);
    return std::nullopt;
}

std::optional<std::string> PayloadPath(const std::string& cacheFolder, std::string_view guid) {
    if (!IsPlainFileName(guid)) return std::nullopt;
    return cacheFolder + std::string(guid) + ".uxx";
}

std::optional<std::string> ExportTarget(const std::string& gameFolder, std::string_view fileName) {
    const CacheFileType* type = CacheTypeOf(fileName);
    if (!type || !IsPlainFileName(fileName)) return std::nullopt;
    return gameFolder + std::string(type->exportFolder) + std::string(fileName);
}

std::vector<size_t> EntriesSharingPackage(const std::string& cacheFolder, const CacheIni& cache,
                                          size_t row) {
    std::vector<size_t> sharing;
    const auto payload = PayloadPath(cacheFolder, cache.Line(row).Key());
    if (!payload) return sharing;
    for (size_t other : cache.SharingPayload(row)) {
        const auto its = PayloadPath(cacheFolder, cache.Line(other).Key());
        if (its && (*its == *payload || platform::SameHostFile(*its, *payload))) {
            sharing.push_back(other);
        }
    }
    return sharing;
}

CopyOutcome CopyPackage(const std::string& source, const std::string& target, bool replace,
                        std::string* reason) {
    // Asked before the copy: a failed copy may leave its file in place (a folder that could
    // not be synced), which is no target the player had.
    if (!replace && platform::FileExists(target)) return CopyOutcome::TargetExists;
    if (platform::CopyFile(source, target, !replace, reason)) return CopyOutcome::Copied;
    return CopyOutcome::Failed;
}

std::string CopyFailureText(const std::string& source, const std::string& target,
                            const std::string& reason) {
    std::string text = "Could not copy " + source + " to " + target;
    if (!platform::FileExists(source)) return text + ": the cached file does not exist.";
    const std::string folder = FolderOf(target);
    if (!folder.empty() && !platform::FolderExists(folder)) {
        return text + ": the folder " + folder + " does not exist.";
    }
    return text + (reason.empty() ? "." : ": " + reason + ". The cached file stays in the cache.");
}

bool DeletePayload(const std::string& payload, std::string* message) {
    std::string reason;
    if (!platform::FileExists(payload) || platform::RemoveFile(payload, &reason)) return true;
    if (message) {
        *message = "Could not delete " + payload + ": " + reason +
                   ". The file and its entry stay in the cache.";
    }
    return false;
}

std::string SharedPackageQuestion(const std::string& payload, std::string_view chosen,
                                  const std::vector<std::string>& others) {
    constexpr size_t kNamed = 5;
    std::string names;
    const size_t named = std::min(others.size(), kNamed);
    for (size_t i = 0; i < named; ++i) {
        if (i > 0) names += i + 1 == named && others.size() == named ? " and " : ", ";
        names += others[i];
    }
    if (others.size() > named) {
        names += " and " + std::to_string(others.size() - named) + " more entries";
    }
    const bool one = others.size() == 1;
    const std::string chosenText(chosen);
    return payload + " is the package of " + chosenText + ", and " + names +
           (one ? " names" : " name") + " it too.\n\nDelete the file, and " +
           (one ? "the entry of " + names : "those entries") +
           " with it?\nYes: the file and every entry naming it go.\nNo: only the entry of " +
           chosenText + " goes; the file stays.\nCancel: nothing changes.";
}

bool WriteCacheIni(const std::string& cacheFolder, const CacheIni& cache, FileError* error) {
    const std::string path = CacheIniPath(cacheFolder);
    std::string reason;
    if (platform::WriteBytesAtomic(path, cache.Text(), &reason)) return true;
    if (error) *error = {path, reason};
    return false;
}

bool CacheDeleteValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (EqualsNoCase(text, "True")) return true;
    if (EqualsNoCase(text, "False") || text.empty()) return false;
    const std::string number(text);
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end == number.c_str() || *end != '\0') return false;
    return value != 0;
}

}  // namespace kestrane
