#include "updater/file_part.h"

#include "updater/update_failure.h"

namespace patchwell {
namespace {

std::string LastComponent(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string FilePart(const std::string& FullPath, int32_t WhichPart) {
    if (WhichPart == kPartExtension) {
        const size_t dot = FullPath.rfind('.');
        return dot == std::string::npos ? std::string() : FullPath.substr(dot + 1);
    }
    if (WhichPart < kPartBaseName || WhichPart > kPartFolder) return {};
    if (FullPath.empty()) throw UpdateFailure("a file path is empty");
    const std::string name = LastComponent(FullPath);
    if (WhichPart == kPartBaseName) {
        if (name.empty()) throw UpdateFailure("the path " + FullPath + " names no file");
        return name.substr(0, name.find('.'));
    }
    if (WhichPart == kPartFileName) return name;
    if (name.empty()) return FullPath;
    std::string folder;
    size_t from = 0;
    for (size_t at; (at = FullPath.find(name, from)) != std::string::npos;
         from = at + name.size()) {
        folder.append(FullPath, from, at - from);
    }
    folder.append(FullPath, from);
    return folder;
}

}  // namespace patchwell
