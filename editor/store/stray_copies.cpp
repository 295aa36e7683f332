#include "editor/store/stray_copies.h"

#include <set>

#include "editor/store/cache_file_types.h"
#include "platform/base/file_writer.h"

namespace kestrane {

void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder) {
    // Profiles\<name>\ lies two levels below the program folder.
    platform::RemoveStrayTempFiles(programFolder, 2);
    if (gameFolder.empty()) return;
    std::set<std::string_view> folders{"System\\", "Cache\\"};
    for (const CacheFileType& type : kCacheFileTypes) folders.insert(type.exportFolder);
    for (std::string_view folder : folders) {
        platform::RemoveStrayTempFiles(gameFolder + std::string(folder));
    }
}

}  // namespace kestrane
