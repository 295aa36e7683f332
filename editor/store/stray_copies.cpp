#include "editor/store/stray_copies.h"

#include <set>

#include "editor/store/cache_file_types.h"
#include "platform/base/paths.h"

namespace kestrane {

void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder) {
    // The game's folders can hold tens of thousands of files: only those the record names are
    // looked in. The record made at a first start names each, so that the next looks in it once
    // (a run before the record was kept may have left a copy there).
    std::vector<std::string> withoutRecord;
    if (!gameFolder.empty()) {
        std::set<std::string_view> folders{"System\\", "Cache\\"};
        for (const CacheFileType& type : kCacheFileTypes) folders.insert(type.exportFolder);
        for (std::string_view folder : folders) {
            const std::string host = platform::ToHostPath(gameFolder + std::string(folder));
            if (!host.empty()) withoutRecord.push_back(host);
        }
    }
    // Profiles\<name>\ lies two levels below the program folder; deeper folders written into
    // are in the record, and so are the game's; a Save As elsewhere is not looked in.
    platform::StrayCopyPlaces places;
    places.programFolder = platform::ToHostPath(programFolder);
    places.programDepth = 2;
    if (!gameFolder.empty()) places.gameFolder = platform::ToHostPath(gameFolder);
    places.withoutRecord = std::move(withoutRecord);
    platform::CleanUpStrayCopies(platform::ToHostPath(programFolder + "\\" + kTempFolderRecord),
                                 places);
}

}  // namespace kestrane
