// One configuration file in memory: its whole text, its lines with the line end each was read
// with, and a key and a value per line. Lookups go through indexes built from the rows, never a
// scan per call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrane {

enum class RowKind : std::uint8_t {
    Blank,    // empty line
    Header,   // begins with "[", first "]" is the last character: the whole line is the key
    KeyLine,  // key before the first "=", value after it
    Odd,      // neither: no "=" and not a header; written back exactly as read
};

// How a line ended in the file: a line written back keeps it, so an LF-only file stays LF-only
// and a lone LF inside a CR LF file stays a lone LF.
enum class LineEnd : std::uint8_t { None, Lf, CrLf };

std::string_view LineEndText(LineEnd end);

struct SplitText {
    std::vector<std::string> lines;
    std::vector<LineEnd> ends;
};

// Every LF ends a line, with or without a CR before it; a lone CR stays inside its line. A text
// ending in a line end gives a last empty line (ending in None); an empty text gives no lines.
SplitText SplitLines(std::string_view text);

class IniStore {
  public:
    // A load is three steps: the text, the split, the parse.
    void SetText(std::string text) { text_ = std::move(text); }
    void SplitLines();
    void Parse();
    void Load(std::string text);
    void Clear();

    const std::string& Text() const { return text_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    size_t RowCount() const { return keys_.size(); }
    LineEnd End(size_t row) const { return ends_[row]; }
    // The line end most lines of the file use (CR LF when none has one): lines the editor adds
    // take it.
    LineEnd FileLineEnd() const { return fileEnd_; }
    // The value part of the row's line as it was read (empty for a line without "=").
    std::string_view LoadedValue(size_t row) const;
    // The key part of a key line as it was read.
    std::string_view LoadedKey(size_t row) const;

    const std::string& Key(size_t row) const { return keys_[row]; }
    const std::string& Value(size_t row) const { return values_[row]; }
    RowKind Kind(size_t row) const { return kinds_[row]; }
    // Both refuse a row past the end.
    void SetValue(size_t row, std::string value);
    void SetKey(size_t row, std::string key);
    // Adds "key=value" as a new last line (before a final empty line), ending in the file's
    // line end. Rows after it move.
    size_t AppendLine(std::string key, std::string value);
    // Puts a new line, parsed like a read one, before `row` (RowCount() for the end), ending in
    // the file's line end.
    void InsertLine(size_t row, std::string line);

    // First row whose key equals `key` ignoring case, at or after `from`.
    std::optional<size_t> FindKey(std::string_view key, size_t from = 0) const;
    // The same, comparing exactly.
    std::optional<size_t> FindKeyExact(std::string_view key, size_t from = 0) const;
    // First header line after `row`; nullopt when the file has none.
    std::optional<size_t> NextHeaderAfter(size_t row) const;
    // The n-th (0-based) row whose value equals `value` ignoring case.
    std::optional<size_t> FindValue(std::string_view value, size_t nth = 0) const;

  private:
    using RowIndex = std::unordered_map<std::string, std::vector<size_t>>;
    void InvalidateKeys() const { keysIndexed_ = false; }
    void IndexKeys() const;
    void IndexValues() const;
    static std::optional<size_t> FirstAtOrAfter(const RowIndex& index, const std::string& key,
                                                size_t from, size_t nth = 0);

    std::string text_;
    std::vector<std::string> lines_;
    std::vector<LineEnd> ends_;
    LineEnd fileEnd_ = LineEnd::CrLf;
    std::vector<std::string> keys_;
    std::vector<std::string> values_;
    std::vector<RowKind> kinds_;

    mutable RowIndex keysFolded_;
    mutable RowIndex keysExact_;
    mutable RowIndex valuesFolded_;
    mutable std::vector<size_t> headerRows_;
    mutable bool keysIndexed_ = false;
    mutable bool valuesIndexed_ = false;
};

// The store's lookups; all ignore case and answer the empty text when nothing matches.
std::string GetVal(const IniStore& store, std::string_view variable);
// First `variable` at or after the header `bracket` (not limited to that section).
std::string GetVal2(const IniStore& store, std::string_view variable, std::string_view bracket);
// Key of the first / second row whose value is `word`: the input key bound to a command.
std::string GetBind(const IniStore& store, std::string_view word);
std::string GetBind2(const IniStore& store, std::string_view word);

}  // namespace kestrane
