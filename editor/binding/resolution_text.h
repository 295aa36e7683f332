// The Resolution value form's text: width, " X ", height in one editable combo.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrane {

struct ResolutionParts {
    std::string width;
    std::string height;
};

std::string ResolutionText(std::string_view width, std::string_view height);

// Width is the text before the first "X" (a lower-case "x" counts too: "1024x768" is what a
// player types), height the text after it, both trimmed of blanks. Nothing when there is no
// "X" or either part is not a whole number, so an empty width or height is never stored.
std::optional<ResolutionParts> SplitResolution(std::string_view text);

}  // namespace kestrane
