#include "editor/store/leading_number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace kestrane {
namespace {

bool Skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The text without the characters the reader skips.
std::string Packed(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (!Skipped(c)) packed += c;
    }
    return packed;
}

double RadixInteger(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || d >= radix) break;
        value = value * radix + d;
    }
    // Hexadecimal and octal literals of up to 16 bits are signed, as the game's tools wrote them.
    if (value >= 32768 && value <= 65535) value -= 65536;
    return value;
}

// strtod would follow the C locale, which the GUI sets from the user's environment; the
// numbers read here always use ".".
double ParsePlain(const std::string& number) {
    const char* first = number.data();
    const char* last = first + number.size();
    const bool negative = first != last && *first == '-';
    if (first != last && (*first == '-' || *first == '+')) ++first;
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small reads as 0, too large as infinity, as strtod gives them.
        value = number.find("e-") != std::string::npos ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const std::string s = Packed(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return RadixInteger(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return RadixInteger(std::string_view(s).substr(2), 8);
    }
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
            std::string number = s.substr(0, j);
            number[i] = 'e';
            return ParsePlain(number);
        }
    }
    return ParsePlain(s.substr(0, i));
}

std::int16_t RoundToInt16(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);  // default rounding mode: halves to even
    if (r > 32767) return 32767;
    if (r < -32768) return -32768;
    return static_cast<std::int16_t>(r);
}

}  // namespace kestrane
