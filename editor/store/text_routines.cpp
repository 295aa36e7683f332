#include "editor/store/text_routines.h"

#include "editor/store/text_compare.h"

namespace kestrane {

std::int32_t CountSubstring(std::string_view text, std::string_view word, bool exact) {
    if (text.empty() || word.empty() || word.size() > text.size()) return 0;
    const std::string foldedText = exact ? std::string() : Folded(text);
    const std::string foldedWord = exact ? std::string() : Folded(word);
    const std::string_view t = exact ? text : std::string_view(foldedText);
    const std::string_view w = exact ? word : std::string_view(foldedWord);
    std::int32_t count = 0;
    for (size_t pos = t.find(w); pos != std::string_view::npos; pos = t.find(w, pos + 1)) ++count;
    return count;
}

namespace {

std::string_view FileNameOf(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string SplitPath(std::string_view path, std::int32_t part) {
    if (path.empty()) return {};
    const std::string_view fileName = FileNameOf(path);
    switch (part) {
        case kPathExtension: {
            const size_t dot = path.rfind('.');
            return dot == std::string_view::npos ? std::string()
                                                 : std::string(path.substr(dot + 1));
        }
        case kPathBaseName:
            return std::string(fileName.substr(0, fileName.find('.')));
        case kPathFileName:
            return std::string(fileName);
        case kPathFolder: {
            if (fileName.empty()) return std::string(path);
            // Every occurrence of the file name goes, ignoring case, as the shared routine always
            // did; for an ordinary path only the last one is there.
            const std::string folded = Folded(path);
            const std::string foldedName = Folded(fileName);
            std::string folder;
            size_t from = 0;
            for (size_t at = folded.find(foldedName); at != std::string::npos;
                 at = folded.find(foldedName, from)) {
                folder.append(path.substr(from, at - from));
                from = at + foldedName.size();
            }
            folder.append(path.substr(from));
            return folder;
        }
        default:
            return {};
    }
}

}  // namespace kestrane

namespace kestrane {

std::vector<size_t> FindOccurrences(std::string_view text, std::string_view word, size_t start) {
    std::vector<size_t> found;
    if (word.empty()) return found;
    const std::string t = Folded(text);
    const std::string w = Folded(word);
    for (size_t at = t.find(w, start == 0 ? 0 : start - 1); at != std::string::npos;
         at = t.find(w, at + w.size())) {
        found.push_back(at + 1);
    }
    return found;
}

std::string_view Unblanked(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace kestrane
