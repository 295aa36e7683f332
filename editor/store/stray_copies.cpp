#include "editor/store/stray_copies.h"

#include <set>

#include "editor/store/cache_file_types.h"
#include "platform/base/file_writer.h"
#include "platform/base/paths.h"
#include "platform/base/temp_folder_record.h"

namespace kestrane {

void RemoveStrayCopies(const std::string& programFolder, const std::string& gameFolder) {
    // Profiles\<name>\ lies two levels below the program folder.
    platform::RemoveStrayTempFiles(programFolder, 2);
    platform::KeepTempFolderRecord(platform::ToHostPath(programFolder + "\\" + kTempFolderRecord),
                                   platform::ToHostPath(programFolder));
    if (gameFolder.empty()) return;
    // The game's folders can hold tens of thousands of files: only those the record names are
    // looked in. Without a record yet (a run before it was kept), each is looked in once.
    if (const auto recorded = platform::TakeTempFolderRecord()) {
        for (const std::string& folder : *recorded)
            platform::RemoveStrayTempFilesInHostFolder(folder);
        return;
    }
    std::set<std::string_view> folders{"System\\", "Cache\\"};
    for (const CacheFileType& type : kCacheFileTypes) folders.insert(type.exportFolder);
    for (std::string_view folder : folders) {
        platform::RemoveStrayTempFiles(gameFolder + std::string(folder));
    }
}

}  // namespace kestrane
