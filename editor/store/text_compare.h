// Text comparison of the store and the shared routines: exact, or without regard to letter
// case (Windows-1252 letters fold as the system locale folds them).
#pragma once

#include <string>
#include <string_view>

namespace kestrane {

char FoldCase(char c);
std::string Folded(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// 1-based position of the first occurrence of `needle` at or after 1-based `start`, ignoring
// case; 0 when absent. An empty needle is found at `start` (when start lies inside the text).
size_t InStrText(std::string_view haystack, std::string_view needle, size_t start = 1);
// The same, comparing exactly.
size_t InStrExact(std::string_view haystack, std::string_view needle, size_t start = 1);

}  // namespace kestrane
