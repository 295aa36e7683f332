#include "editor/instant_action/map_list.h"

#include <algorithm>

#include "editor/store/text_compare.h"
#include "platform/base/folders.h"

namespace kestrane {

std::vector<std::string> AllFiles(const std::string& windowsFolder) {
    return platform::ListFiles(windowsFolder);
}

std::vector<std::string> FilesBeyondAnsi(const std::string& windowsFolder) {
    return platform::ListFilesBeyondAnsi(windowsFolder);
}

std::vector<std::string> MapNames(const std::vector<std::string>& fileNames,
                                  std::string_view prefix) {
    std::vector<std::string> names;
    if (prefix.empty()) return names;
    for (const std::string& file : fileNames) {
        if (file.size() < prefix.size() ||
            !EqualsNoCase(std::string_view(file).substr(0, prefix.size()), prefix)) {
            continue;
        }
        names.push_back(file.substr(0, file.find('.')));
    }
    std::vector<std::pair<std::string, size_t>> keyed;
    keyed.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i) keyed.emplace_back(Folded(names[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& k : keyed) sorted.push_back(std::move(names[k.second]));
    return sorted;
}

}  // namespace kestrane
