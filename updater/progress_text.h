// The download progress as the progress bar and its label show it.
#pragma once

#include <cstdint>
#include <string>

namespace patchwell {

// Digits grouped by the locale's separator every three; 0 gives "" (the "#,###,###" pattern).
std::string GroupedNumber(int32_t value);

// "1,234 of 2,000 Kb's Received"
std::string ProgressCaption(int32_t value, int32_t maximum);

// Kilobytes for a buffer whose highest index is `upperBound`, halves to even, at most `maximum`.
int32_t ProgressValue(int64_t upperBound, int32_t maximum);

}  // namespace patchwell
