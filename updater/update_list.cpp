#include "updater/update_list.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/base/file_names.h"
#include "platform/base/regional.h"
#include "updater/update_failure.h"

namespace patchwell {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text) {
    size_t from = 0, to = text.size();
    while (from < to && IsBlank(text[from])) ++from;
    while (to > from && IsBlank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

// Reads [sign] digits [separator digits] from `at`; false when no digit is there.
bool ReadNumber(const std::string& text, size_t& at, char separator, double& value) {
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::string digits;
    bool any = false;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        digits += text[at++];
        any = true;
    }
    if (at < text.size() && text[at] == separator) {
        digits += '.';
        ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            digits += text[at++];
            any = true;
        }
    }
    if (!any) return false;
    // Not strtod: the C locale follows the user's, whose decimal point may not be ".".
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc()) {
        value = HUGE_VAL;  // too many digits: larger than anything the list can hold
    }
    if (negative) value = -value;
    return true;
}

// Nothing below the program folder may be left through a path from the list (a drive letter's
// colon is refused with the other characters no name may hold).
bool LeavesFolder(const std::string& path) {
    size_t from = 0;
    for (;;) {
        const size_t end = path.find_first_of("\\/", from);
        const std::string part = path.substr(from, end == std::string::npos ? end : end - from);
        if (part == "..") return true;
        if (end == std::string::npos) return false;
        from = end + 1;
    }
}

}  // namespace

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
        pieces.push_back(text.substr(from, at - from));
    }
    pieces.push_back(text.substr(from));
    return pieces;
}

double LeadingNumber(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    double value = 0;
    return ReadNumber(text, at, '.', value) ? value : 0;
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

UpdateEntry ParseEntryLine(const std::string& line, size_t lineNumber) {
    std::vector<std::string> fields;
    size_t from = 0;
    for (size_t at; (at = line.find(", ", from)) != std::string::npos; from = at + 2) {
        fields.push_back(Trim(line.substr(from, at - from)));
    }
    fields.push_back(Trim(line.substr(from)));
    const std::string where = "line " + std::to_string(lineNumber + 1) + " of the update list";
    if (fields.size() < 5) throw UpdateFailure(where + " has fewer than five fields");
    UpdateEntry entry{fields[0], fields[1], fields[2], fields[3], fields[4]};
    // Refused before anything else looks at them: a NUL would cut the name short where the
    // system reads it, and a name Windows cannot hold is one the game never finds.
    if (const std::string why = platform::NameRefusal(entry.LocalPath); !why.empty()) {
        throw UpdateFailure(where + ": the path " + platform::VisibleName(entry.LocalPath) +
                            " is not a file name: " + why);
    }
    if (const std::string why = platform::NameRefusal(entry.MarkerName); !why.empty()) {
        throw UpdateFailure(where + ": the marker name " + platform::VisibleName(entry.MarkerName) +
                            " is not a file name: " + why);
    }
    if (entry.LocalPath.empty() || entry.LocalPath[0] != '\\' || LeavesFolder(entry.LocalPath)) {
        throw UpdateFailure(where + ": the path " + entry.LocalPath +
                            " does not lie below the program folder");
    }
    if (entry.MarkerName.empty() || entry.MarkerName == "." || entry.MarkerName == ".." ||
        entry.MarkerName.find_first_of("\\/") != std::string::npos) {
        throw UpdateFailure(where + ": the marker name " + entry.MarkerName +
                            " is not a file name");
    }
    return entry;
}

UpdateList ParseUpdateList(const std::string& reply) {
    if (reply.empty()) throw UpdateFailure("the update list is empty");
    UpdateList list;
    list.pieces = SplitCrLf(reply);
    const size_t last = list.pieces.size() - 1;
    if (last == 0) throw UpdateFailure("the update list has no line end");
    const double count = RoundHalfEven(LeadingNumber(list.pieces[0]));
    // The count is a 16-bit number: more news than that cannot be told.
    if (count < 0 || count > static_cast<double>(last) || count > 32767) {
        throw UpdateFailure("the update list's news count " + list.pieces[0] + " does not fit it");
    }
    list.newsCount = static_cast<int16_t>(count);
    list.firstEntry = static_cast<size_t>(list.newsCount) + 1;
    list.endEntry = last;
    list.UpdateEntries.resize(last);
    for (size_t j = list.firstEntry; j < list.endEntry; ++j) {
        list.UpdateEntries[j] = ParseEntryLine(list.pieces[j], j);
    }
    return list;
}

int16_t SizeKBValue(const std::string& SizeKB) {
    const std::string text = Trim(SizeKB);
    size_t at = 0;
    double value = 0;
    if (!ReadNumber(text, at, platform::DecimalSeparator(), value) || at != text.size()) {
        throw UpdateFailure("the size " + SizeKB + " is not a number");
    }
    value = RoundHalfEven(value);
    if (value < 1 || value > 32767) {
        throw UpdateFailure("the size " + SizeKB + " is not a whole number from 1 to 32767");
    }
    return static_cast<int16_t>(value);
}

}  // namespace patchwell
