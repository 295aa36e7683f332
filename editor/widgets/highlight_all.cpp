#include "editor/widgets/highlight_all.h"

#include "editor/store/text_routines.h"
#include "editor/widgets/rich_text_box.h"

namespace kestrane {

std::int32_t HighlightAll(RichTextBox& box, std::string_view word, std::int32_t& start) {
    if (start <= 0) start = 1;
    if (word.empty()) return 0;
    const std::string text = box.Text();
    const std::vector<size_t> found = FindOccurrences(text, word, static_cast<size_t>(start));
    if (found.empty()) return 0;

    std::vector<size_t> positions;  // 0-based, as the box counts
    positions.reserve(found.size());
    for (const size_t p : found) positions.push_back(p - 1);
    // The box marks the part of a large text laid in so far at once and the rest as it comes.
    box.MarkRanges(DocumentRanges(text, positions, word.size()));
    start = static_cast<std::int32_t>(found.back() + word.size());
    return static_cast<std::int32_t>(found.size());
}

}  // namespace kestrane
