// Small text routines the windows share: counting a word, path parts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane {

// Occurrences of `word` in `text`, overlapping ones included; exact or ignoring case.
std::int32_t CountSubstring(std::string_view text, std::string_view word, bool exact);

enum PathPart : std::int32_t {
    kPathExtension = 0,
    kPathBaseName = 1,
    kPathFileName = 2,
    kPathFolder = 3
};

// One part of a Windows path: 0 extension, 1 base name, 2 file name, 3 folder (with its "\").
// Empty text for an empty path or an unknown part.
std::string SplitPath(std::string_view path, std::int32_t part);

}  // namespace kestrane

namespace kestrane {

// The text without the blanks and tabs around it.
std::string_view Unblanked(std::string_view text);

// 1-based positions of the non-overlapping occurrences of `word` at or after `start`, ignoring
// case; none for an empty word.
std::vector<size_t> FindOccurrences(std::string_view text, std::string_view word, size_t start);

}  // namespace kestrane
