#include "editor/store/stray_copies.h"

#include <set>

#include "editor/store/cache_file_types.h"
#include "platform/base/paths.h"

namespace kestrane {

void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder) {
    // The game's folders can hold tens of thousands of files: only those the record names are
    // looked in. Without a record yet (a run before it was kept), each is looked in once.
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
    // are in the record.
    const std::string program = platform::ToHostPath(programFolder);
    platform::CleanUpStrayCopies(platform::ToHostPath(programFolder + "\\" + kTempFolderRecord),
                                 {{program, 2}}, withoutRecord);
}

}  // namespace kestrane
