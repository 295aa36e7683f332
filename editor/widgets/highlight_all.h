// Marks every occurrence of a word in a rich text box: red and underlined.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrane {

class RichTextBox;

// Searches from the 1-based `start` (0 counts as 1), ignoring case; leaves `start` just after
// the last occurrence and the caret at its start. Earlier marks stay. Returns the count.
std::int32_t HighlightAll(RichTextBox& box, std::string_view word, std::int32_t& start);

}  // namespace kestrane
