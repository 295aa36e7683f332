#include "editor/store/number_readings.h"

#include <charconv>
#include <cmath>
#include <limits>
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
    // "." always reads as a decimal point: the fields write it and the files hold it. A locale
    // whose group separator is "." therefore groups no digits.
    const char decimal = platform::DecimalSeparator();
    const char group = platform::DigitGroupSeparator();
    auto isDecimal = [decimal](char c) { return c == '.' || c == decimal; };
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
        } else if (!isDecimal(group) && text[i] == group && digits > 0 && i + 1 < n &&
                   IsDigit(text[i + 1])) {
            ++i;  // a group separator only between digits of the whole part
        } else {
            break;
        }
    }
    if (i < n && isDecimal(text[i])) {
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
    return LeadingNumber(WithDecimalPoint(text));
}

std::string NumberText(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    std::string text = GeneralText(value);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
}

std::string WithDecimalPoint(std::string_view text) {
    std::string out(text);
    const char decimal = platform::DecimalSeparator();
    if (decimal == '.') return out;
    for (char& c : out) {
        if (c == decimal) c = '.';
    }
    return out;
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

namespace {

// Where the mantissa of a plain number ends (its exponent's "E" or the text's end), or nothing
// when the text is not one.
std::optional<size_t> PlainMantissaEnd(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    const size_t mantissaEnd = i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    return mantissaEnd;
}

}  // namespace

bool IsPlainNumber(std::string_view text) {
    return PlainMantissaEnd(text).has_value();
}

bool IsStartOfNumber(std::string_view text) {
    return !IsNumericText(text) && IsNumericText(std::string(text) + "0");
}

double LowestByTyping(std::string_view text, double now) {
    const char decimal = platform::DecimalSeparator();
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    if (i == n || text[i] != '-') return now;  // digits typed on a positive number only add
    ++i;
    // The whole part, group separators included: digits typed on make it larger.
    while (i < n && !IsBlank(text[i]) && text[i] != '.' && text[i] != decimal && text[i] != 'e' &&
           text[i] != 'E') {
        ++i;
    }
    if (i == n) return -std::numeric_limits<double>::infinity();
    if (text[i] != '.' && text[i] != decimal) return now;  // an exponent or a blank: finished
    ++i;
    int fractionDigits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++fractionDigits;
    // Digits after the point move it at most one unit of its last place further from 0.
    return i == n ? now - std::pow(10.0, -fractionDigits) : now;
}

std::string ShownNumberText(std::string_view value) {
    const auto mantissaEnd = PlainMantissaEnd(value);
    if (!mantissaEnd) return std::string(value);
    const std::string_view mantissa = value.substr(0, *mantissaEnd);
    const size_t point = mantissa.find('.');
    if (point == std::string_view::npos) return std::string(value);
    std::string_view fraction = mantissa.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    std::string out(mantissa.substr(0, point));
    if (fraction.empty()) {
        // ".000" is 0: the number keeps a digit.
        if (out.empty() || out == "+" || out == "-") out += '0';
    } else {
        out += '.';
        out += fraction;
    }
    out += value.substr(*mantissaEnd);
    return out;
}

}  // namespace kestrane
