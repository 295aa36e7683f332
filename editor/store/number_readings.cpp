#include "editor/store/number_readings.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "editor/store/leading_number.h"
#include "platform/base/regional.h"

namespace kestrane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The whole text as one number under the regional settings, or nothing.
std::optional<double> ReadLocale(std::string_view text) {
    const char decimal = platform::DecimalSeparator();
    const char group = platform::DigitGroupSeparator();
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;

    std::string plain;  // the number in the form from_chars reads
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    size_t digits = 0;
    while (i < n) {
        if (IsDigit(text[i])) {
            plain += text[i++];
            ++digits;
        } else if (group != decimal && text[i] == group && digits > 0 && i + 1 < n &&
                   IsDigit(text[i + 1])) {
            ++i;  // a group separator only between digits of the whole part
        } else {
            break;
        }
    }
    // File values always use "."; it reads as a decimal point too where it is no group mark.
    if (i < n && (text[i] == decimal || (text[i] == '.' && group != '.'))) {
        plain += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            plain += text[i++];
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) {
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    while (i < n && IsBlank(text[i])) ++i;
    if (i != n) return std::nullopt;

    double value = 0;
    const char* first = plain.data();
    if (*first == '-') ++first;  // from_chars takes no "+"; the sign is put back below
    const auto [end, ec] = std::from_chars(first, plain.data() + plain.size(), value);
    if (end != plain.data() + plain.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) return std::nullopt;
    return plain[0] == '-' ? -value : value;
}

// "%.15g" without the C library's locale: the game's files and the fields want it fixed.
std::string GeneralText(double value) {
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    if (ec != std::errc()) return "0";
    return std::string(buf, end);
}

}  // namespace

bool IsNumericText(std::string_view text) {
    return ReadLocale(text).has_value();
}

double LocaleNumber(std::string_view text) {
    return ReadLocale(text).value_or(0);
}

double FieldNumber(std::string_view text) {
    const char decimal = platform::DecimalSeparator();
    if (decimal == '.') return LeadingNumber(text);
    std::string dotted(text);
    for (char& c : dotted) {
        if (c == decimal) c = '.';
    }
    return LeadingNumber(dotted);
}

std::string NumberText(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    std::string text = GeneralText(value);
    const char decimal = platform::DecimalSeparator();
    for (char& c : text) {
        if (c == '.') c = decimal;
        if (c == 'e') c = 'E';
    }
    return text;
}

std::string IntegerText(double value) {
    if (!std::isfinite(value)) return "0";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::llround(value));
    return ec == std::errc() ? std::string(buf, end) : "0";
}

std::string BoundText(double value) {
    return value == std::floor(value) ? IntegerText(value) : NumberText(value);
}

}  // namespace kestrane
