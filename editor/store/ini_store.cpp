#include "editor/store/ini_store.h"

#include <algorithm>

#include "editor/store/text_compare.h"

namespace kestrane {

std::string_view LineEndText(LineEnd end) {
    switch (end) {
        case LineEnd::Lf:
            return "\n";
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::None:
            break;
    }
    return {};
}

SplitText SplitLines(std::string_view text) {
    SplitText split;
    if (text.empty()) return split;
    size_t start = 0;
    for (;;) {
        const size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            split.lines.emplace_back(text.substr(start));
            split.ends.push_back(LineEnd::None);
            break;
        }
        const bool cr = lf > start && text[lf - 1] == '\r';
        split.lines.emplace_back(text.substr(start, lf - start - (cr ? 1 : 0)));
        split.ends.push_back(cr ? LineEnd::CrLf : LineEnd::Lf);
        start = lf + 1;
    }
    return split;
}

void IniStore::SplitLines() {
    SplitText split = kestrane::SplitLines(text_);
    lines_ = std::move(split.lines);
    ends_ = std::move(split.ends);
    size_t lf = 0;
    size_t crlf = 0;
    for (LineEnd end : ends_) {
        lf += end == LineEnd::Lf ? 1 : 0;
        crlf += end == LineEnd::CrLf ? 1 : 0;
    }
    fileEnd_ = lf > crlf ? LineEnd::Lf : LineEnd::CrLf;
}

std::string_view IniStore::LoadedValue(size_t row) const {
    const std::string& line = lines_[row];
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return {};
    return std::string_view(line).substr(eq + 1);
}

std::string_view IniStore::LoadedKey(size_t row) const {
    const std::string& line = lines_[row];
    return std::string_view(line).substr(0, line.find('='));
}

void IniStore::Parse() {
    const size_t n = lines_.size();
    keys_.assign(n, {});
    values_.assign(n, {});
    kinds_.assign(n, RowKind::Blank);
    for (size_t i = 0; i < n; ++i) {
        const std::string& line = lines_[i];
        if (line.empty()) continue;
        // Only a line that begins with "[" opens a section: a key line whose value ends in a
        // bracketed word (a clan tag in a player name) stays a key line.
        if (line.front() == '[' && line.find(']') + 1 == line.size()) {
            keys_[i] = line;
            kinds_[i] = RowKind::Header;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            keys_[i] = line;
            kinds_[i] = RowKind::Odd;
            continue;
        }
        keys_[i] = line.substr(0, eq);
        values_[i] = line.substr(eq + 1);
        kinds_[i] = RowKind::KeyLine;
    }
    keysIndexed_ = false;
    valuesIndexed_ = false;
}

void IniStore::Load(std::string text) {
    SetText(std::move(text));
    SplitLines();
    Parse();
}

void IniStore::Clear() {
    Load({});
}

// A row past the end names no line: nothing is stored, and no line is made up for it.
void IniStore::SetValue(size_t row, std::string value) {
    if (row >= values_.size() || values_[row] == value) return;
    values_[row] = std::move(value);
    valuesIndexed_ = false;
}

void IniStore::SetKey(size_t row, std::string key) {
    if (row >= keys_.size() || keys_[row] == key) return;
    keys_[row] = std::move(key);
    InvalidateKeys();
}

size_t IniStore::AppendLine(std::string key, std::string value) {
    // A file that ends in a line end keeps its last, empty line last.
    size_t row = keys_.size();
    LineEnd end = fileEnd_;
    if (row > 0 && kinds_[row - 1] == RowKind::Blank) {
        --row;
    } else if (row > 0 && ends_[row - 1] == LineEnd::None) {
        // The last line had no line end: it takes one, and the new line ends the file as it did.
        ends_[row - 1] = fileEnd_;
        end = LineEnd::None;
    }
    const auto at = static_cast<std::ptrdiff_t>(row);
    lines_.insert(lines_.begin() + at, key + "=" + value);
    ends_.insert(ends_.begin() + at, end);
    keys_.insert(keys_.begin() + at, std::move(key));
    values_.insert(values_.begin() + at, std::move(value));
    kinds_.insert(kinds_.begin() + at, RowKind::KeyLine);
    keysIndexed_ = false;
    valuesIndexed_ = false;
    return row;
}

void IniStore::InsertLine(size_t row, std::string line) {
    IniStore parsed;
    parsed.lines_.push_back(std::move(line));
    parsed.Parse();
    const auto at = static_cast<std::ptrdiff_t>(row);
    LineEnd end = fileEnd_;
    if (row == lines_.size() && row > 0 && ends_[row - 1] == LineEnd::None) {
        // After a last line that had no line end: it takes one, and the new line ends the file.
        ends_[row - 1] = fileEnd_;
        end = LineEnd::None;
    }
    ends_.insert(ends_.begin() + at, end);
    lines_.insert(lines_.begin() + at, std::move(parsed.lines_[0]));
    keys_.insert(keys_.begin() + at, std::move(parsed.keys_[0]));
    values_.insert(values_.begin() + at, std::move(parsed.values_[0]));
    kinds_.insert(kinds_.begin() + at, parsed.kinds_[0]);
    keysIndexed_ = false;
    valuesIndexed_ = false;
}

void IniStore::IndexKeys() const {
    if (keysIndexed_) return;
    keysFolded_.clear();
    keysExact_.clear();
    headerRows_.clear();
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (kinds_[i] == RowKind::Odd) continue;
        if (kinds_[i] == RowKind::Header) headerRows_.push_back(i);
        keysFolded_[Folded(keys_[i])].push_back(i);
        keysExact_[keys_[i]].push_back(i);
    }
    keysIndexed_ = true;
}

void IniStore::IndexValues() const {
    if (valuesIndexed_) return;
    valuesFolded_.clear();
    for (size_t i = 0; i < values_.size(); ++i) {
        if (kinds_[i] == RowKind::Odd) continue;
        valuesFolded_[Folded(values_[i])].push_back(i);
    }
    valuesIndexed_ = true;
}

std::optional<size_t> IniStore::FirstAtOrAfter(const RowIndex& index, const std::string& key,
                                               size_t from, size_t nth) {
    const auto it = index.find(key);
    if (it == index.end()) return std::nullopt;
    const std::vector<size_t>& rows = it->second;
    auto pos = std::lower_bound(rows.begin(), rows.end(), from);
    if (static_cast<size_t>(rows.end() - pos) <= nth) return std::nullopt;
    return *(pos + static_cast<std::ptrdiff_t>(nth));
}

std::optional<size_t> IniStore::FindKey(std::string_view key, size_t from) const {
    IndexKeys();
    return FirstAtOrAfter(keysFolded_, Folded(key), from);
}

std::optional<size_t> IniStore::FindKeyExact(std::string_view key, size_t from) const {
    IndexKeys();
    return FirstAtOrAfter(keysExact_, std::string(key), from);
}

std::optional<size_t> IniStore::NextHeaderAfter(size_t row) const {
    IndexKeys();
    const auto it = std::upper_bound(headerRows_.begin(), headerRows_.end(), row);
    if (it == headerRows_.end()) return std::nullopt;
    return *it;
}

std::optional<size_t> IniStore::FindValue(std::string_view value, size_t nth) const {
    IndexValues();
    return FirstAtOrAfter(valuesFolded_, Folded(value), 0, nth);
}

std::string GetVal(const IniStore& store, std::string_view variable) {
    const auto row = store.FindKey(variable);
    return row ? store.Value(*row) : std::string();
}

std::string GetVal2(const IniStore& store, std::string_view variable, std::string_view bracket) {
    const auto header = store.FindKey(bracket);
    if (!header) return {};
    const auto row = store.FindKey(variable, *header);
    return row ? store.Value(*row) : std::string();
}

std::string GetBind(const IniStore& store, std::string_view word) {
    const auto row = store.FindValue(word, 0);
    return row ? store.Key(*row) : std::string();
}

std::string GetBind2(const IniStore& store, std::string_view word) {
    const auto row = store.FindValue(word, 1);
    return row ? store.Key(*row) : std::string();
}

}  // namespace kestrane
