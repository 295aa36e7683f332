#include "editor/binding/value_forms.h"

#include <charconv>
#include <cmath>

#include "editor/store/number_readings.h"
#include "editor/store/text_compare.h"
#include "platform/base/regional.h"

namespace kestrane {

bool IsCheckForm(Form form) {
    return form == Form::Flag || form == Form::FlagUnlessFalse || form == Form::Flag10Zero ||
           form == Form::Flag10One;
}

int LoadCheck(Form form, std::string_view value) {
    switch (form) {
        case Form::Flag:
            return EqualsNoCase(value, "True") ? 1 : 0;
        case Form::FlagUnlessFalse:
            return EqualsNoCase(value, "False") ? 0 : 1;
        case Form::Flag10Zero:
            return value == "0" ? 0 : 1;
        case Form::Flag10One:
            return value == "1" ? 1 : 0;
        default:
            return 0;
    }
}

std::string SaveCheck(Form form, int checked) {
    const bool on = checked == 1;
    if (form == Form::Flag10Zero || form == Form::Flag10One) return on ? "1" : "0";
    return on ? "True" : "False";
}

std::string ShortestNumberText(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";
    // to_chars, not printf: the C locale may use another decimal separator than the files.
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    if (ec != std::errc()) return "0";
    std::string text(buf, end);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    // "%G" keeps trailing zeros of the exponent form only; strip those of the mantissa.
    const size_t e = text.find('E');
    std::string mantissa = e == std::string::npos ? text : text.substr(0, e);
    std::string exponent = e == std::string::npos ? "" : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    if (!exponent.empty()) {
        // "E+05" -> "E+5", "E-07" -> "E-7"
        std::string digits = exponent.substr(2);
        while (digits.size() > 1 && digits.front() == '0') digits.erase(digits.begin());
        exponent = exponent.substr(0, 2) + digits;
    }
    return mantissa + exponent;
}

std::string LoadText(Form form, std::string_view value, int /*n*/) {
    switch (form) {
        // A box shows the file's number, never a cut of it: only the zeros that end its
        // fraction go ("90.000000" -> "90"), whatever the row's width; any other text ("&H10",
        // "1,000", "nan") is shown whole, so no step builds on a part of it.
        case Form::TextLeft:
        case Form::Number4:
            return ShownNumberText(value);
        default:
            return std::string(value);
    }
}

std::string FileNumberText(std::string_view text) {
    const char decimal = platform::DecimalSeparator();
    std::string out(text);
    if (decimal == '.' || !IsNumericText(text)) return out;
    for (char& c : out) {
        if (c == decimal) c = '.';
    }
    return out;
}

std::string ColourText(std::string_view red, std::string_view green, std::string_view blue) {
    std::string out = "(B=";
    out += blue;
    out += ",G=";
    out += green;
    out += ",R=";
    out += red;
    out += ",A=255)";
    return out;
}

}  // namespace kestrane
