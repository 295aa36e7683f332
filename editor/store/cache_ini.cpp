#include "editor/store/cache_ini.h"

#include <algorithm>

#include "editor/store/text_compare.h"
#include "platform/base/ansi.h"

namespace kestrane {
namespace {

CacheLine ParseLine(std::string_view text, std::string_view end) {
    CacheLine line{std::string(text), std::string(end)};
    if (text.empty()) return line;
    const size_t bracket = text.find(']');
    if (bracket != std::string_view::npos && bracket + 1 == text.size()) {
        line.kind = CacheLineKind::Header;
        return line;
    }
    const size_t eq = text.find('=');
    // A value longer than any file name can be names no package; "é" takes two bytes of a
    // host name, so the length counts there.
    const std::string_view value = eq == std::string_view::npos ? "" : text.substr(eq + 1);
    if (eq == std::string_view::npos || value.size() > kLongestFileName ||
        platform::HostNameBytes(value) > kLongestFileName) {
        line.kind = CacheLineKind::Odd;
        return line;
    }
    line.kind = CacheLineKind::Entry;
    line.equals = eq;
    return line;
}

}  // namespace

std::string_view CacheLine::Key() const {
    if (kind != CacheLineKind::Entry) return {};
    return std::string_view(text).substr(0, equals);
}

std::string_view CacheLine::Value() const {
    if (kind != CacheLineKind::Entry) return {};
    return std::string_view(text).substr(equals + 1);
}

void CacheIni::Load(std::string_view text) {
    lines_.clear();
    entries_.clear();
    lines_.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines_.push_back(ParseLine(text.substr(start), {}));
            break;
        }
        const size_t cut = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
        lines_.push_back(
            ParseLine(text.substr(start, cut - start), text.substr(cut, lf + 1 - cut)));
        start = lf + 1;
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].Value().empty()) entries_.push_back(i);
    }
}

std::string CacheIni::Text() const {
    std::string out;
    for (const CacheLine& line : lines_) {
        if (line.removed) continue;
        out += line.text;
        out += line.end;
    }
    return out;
}

std::optional<size_t> CacheIni::FindEntry(std::string_view fileName) const {
    for (size_t row : entries_) {
        if (!lines_[row].removed && lines_[row].Value() == fileName) return row;
    }
    return std::nullopt;
}

bool CacheIni::IsListedEntry(size_t row) const {
    return row < lines_.size() && !lines_[row].removed && !lines_[row].Value().empty();
}

std::vector<size_t> CacheIni::SharingPayload(size_t row) const {
    std::vector<size_t> others;
    if (!IsListedEntry(row)) return others;
    const std::string_view guid = lines_[row].Key();
    for (size_t other : entries_) {
        if (other != row && EqualsNoCase(lines_[other].Key(), guid)) others.push_back(other);
    }
    return others;
}

void CacheIni::Remove(size_t row) {
    if (!IsListedEntry(row)) return;
    lines_[row].removed = true;
    entries_.erase(std::lower_bound(entries_.begin(), entries_.end(), row));
}

}  // namespace kestrane
