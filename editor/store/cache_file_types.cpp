#include "editor/store/cache_file_types.h"

#include "editor/store/text_routines.h"

namespace kestrane {

const CacheFileType* CacheTypeOf(std::string_view fileName) {
    const std::string type = SplitPath(fileName, kPathExtension);
    for (const CacheFileType& row : kCacheFileTypes) {
        if (row.type == type) return &row;
    }
    return nullptr;
}

std::string CacheCountText(long long count) {
    std::string text = count >= 0 ? " " : "";
    text += std::to_string(count);
    text += count == 1 ? " File In Cache" : " Files In Cache";
    return text;
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == '\\' || c == '/' || c == ':') return false;
    }
    return true;
}

}  // namespace kestrane
