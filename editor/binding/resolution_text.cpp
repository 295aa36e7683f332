#include "editor/binding/resolution_text.h"

namespace kestrane {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsWholeNumber(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

std::string ResolutionText(std::string_view width, std::string_view height) {
    std::string text(width);
    text += " X ";
    text += height;
    return text;
}

std::optional<ResolutionParts> SplitResolution(std::string_view text) {
    const size_t x = text.find_first_of("Xx");
    if (x == std::string_view::npos) return std::nullopt;
    const std::string_view width = Trimmed(text.substr(0, x));
    const std::string_view height = Trimmed(text.substr(x + 1));
    if (!IsWholeNumber(width) || !IsWholeNumber(height)) return std::nullopt;
    return ResolutionParts{std::string(width), std::string(height)};
}

}  // namespace kestrane
