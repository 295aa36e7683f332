#include "editor/instant_action/mutator_records.h"

#include <QString>

#include "editor/store/text_compare.h"
#include "platform/base/ansi.h"
#include "platform/base/files.h"

namespace kestrane {
namespace {

constexpr std::string_view kMutatorLine = "Mutator=(";

// The value after `field` (a 1-based position past its "="), or npos when the line lacks it.
size_t ValueStart(std::string_view line, std::string_view field) {
    const size_t at = InStrText(line, field);
    return at == 0 ? std::string_view::npos : at - 1 + field.size();
}

std::string UpToComma(std::string_view line, size_t start) {
    const size_t end = line.find_first_of(",)", start);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string Name(std::string_view line) {
    const size_t s = ValueStart(line, "FallbackName=");
    if (s == std::string_view::npos || s >= line.size()) return {};
    if (line[s] != '"') return UpToComma(line, s);
    const size_t close = line.find('"', s + 1);
    return std::string(line.substr(s + 1, close == std::string_view::npos ? close : close - s - 1));
}

std::string ClassName(std::string_view line) {
    const size_t s = ValueStart(line, "ClassName=");
    return s == std::string_view::npos || s >= line.size() ? std::string() : UpToComma(line, s);
}

// Through the first double quote that a ")" follows: a quoted description keeps its quotes.
std::string Description(std::string_view line) {
    const size_t s = ValueStart(line, "FallbackDesc=");
    if (s == std::string_view::npos || s >= line.size()) return {};
    const size_t close = line.find("\")", s);
    if (close != std::string_view::npos) return std::string(line.substr(s, close + 1 - s));
    return UpToComma(line, s);
}

}  // namespace

std::string RecordsText(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string units((bytes.size() - 2) / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i) {
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                             static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
        }
        return platform::ToAnsi(
            QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())));
    }
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        return platform::ToAnsi(
            QString::fromUtf8(bytes.data() + 3, static_cast<qsizetype>(bytes.size() - 3)));
    }
    return bytes;
}

std::vector<MutatorRecord> ParseMutatorLines(std::string_view text) {
    std::vector<MutatorRecord> records;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() < kMutatorLine.size() ||
            !EqualsNoCase(line.substr(0, kMutatorLine.size()), kMutatorLine)) {
            continue;
        }
        MutatorRecord record{Name(line), ClassName(line), Description(line)};
        if (record.className.empty()) continue;
        records.push_back(std::move(record));
    }
    return records;
}

MutatorList ReadMutatorRecords(const std::string& windowsPath) {
    MutatorList list;
    std::string bytes;
    std::string error;
    if (!platform::ReadBytes(windowsPath, bytes, &error)) {
        list.note = "No mutators listed: " + windowsPath + " could not be read (" + error + ").";
        return list;
    }
    list.records = ParseMutatorLines(RecordsText(bytes));
    return list;
}

}  // namespace kestrane
