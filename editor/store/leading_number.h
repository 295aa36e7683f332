// The leading number of a text, read the way the game's tools read numbers from INI values.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrane {

// Blanks, tabs and line feeds are skipped wherever they stand; then an optional sign, digits
// with at most one decimal point and an optional exponent ("&H"/"&O" read a hexadecimal or
// octal integer). Reading stops at the first character that cannot continue the number; no
// digits give 0.
double LeadingNumber(std::string_view text);

// Nearest integer, halves to the even neighbour, held to the 16-bit range.
std::int16_t RoundToInt16(double value);

inline std::int16_t LeadingInt16(std::string_view text) {
    return RoundToInt16(LeadingNumber(text));
}

}  // namespace kestrane
