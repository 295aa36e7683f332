#include "editor/store/text_compare.h"

#include <array>

namespace kestrane {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) t[c] = static_cast<unsigned char>(c + 32);
    }
    t[0x8A] = 0x9A;  // S caron
    t[0x8C] = 0x9C;  // OE
    t[0x8E] = 0x9E;  // Z caron
    t[0x9F] = 0xFF;  // Y diaeresis
    return t;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

}  // namespace

char FoldCase(char c) { return static_cast<char>(kFold[static_cast<unsigned char>(c)]); }

std::string Folded(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = FoldCase(c);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

size_t InStrText(std::string_view haystack, std::string_view needle, size_t start) {
    if (start == 0) start = 1;
    if (start > haystack.size() + 1) return 0;
    if (needle.empty()) return start <= haystack.size() ? start : 0;
    if (needle.size() > haystack.size()) return 0;
    const char first = FoldCase(needle[0]);
    for (size_t i = start - 1; i + needle.size() <= haystack.size(); ++i) {
        if (FoldCase(haystack[i]) != first) continue;
        if (EqualsNoCase(haystack.substr(i, needle.size()), needle)) return i + 1;
    }
    return 0;
}

size_t InStrExact(std::string_view haystack, std::string_view needle, size_t start) {
    if (start == 0) start = 1;
    if (start > haystack.size() + 1) return 0;
    if (needle.empty()) return start <= haystack.size() ? start : 0;
    const size_t pos = haystack.find(needle, start - 1);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

}  // namespace kestrane
