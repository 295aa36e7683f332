// The game's download-cache index, cache.ini: a header line, one "GUID=file name" line per
// cached package, maybe blank or odd lines. Every line keeps its bytes and its own line end,
// so a rewrite after a removal gives back the other lines exactly as they were read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane {

// The longest file name the file systems allow, in bytes of the host's name (UTF-8).
inline constexpr size_t kLongestFileName = 255;

enum class CacheLineKind : std::uint8_t {
    Blank,   // empty line
    Header,  // first "]" is the last character
    Entry,   // key (GUID) before the first "=", value (file name, at most 255 bytes on the host
             // disk) after it
    Odd,     // neither: kept, never listed or counted
};

struct CacheLine {
    std::string text;  // the line without its line end
    std::string end;   // "\r\n", "\n", or "" for a last line without one
    CacheLineKind kind = CacheLineKind::Blank;
    size_t equals = 0;  // position of the first "=" of an entry
    bool removed = false;

    std::string_view Key() const;    // the GUID of an entry, else the empty text
    std::string_view Value() const;  // the file name of an entry, else the empty text
};

class CacheIni {
  public:
    // Splits at every LF (a CR before it belongs to the line end) and parses each line.
    void Load(std::string_view text);
    // The file as it stands: every line not removed, with its own line end.
    std::string Text() const;

    size_t LineCount() const { return lines_.size(); }
    const CacheLine& Line(size_t row) const { return lines_[row]; }

    // Rows of the entries with a file name, in file order: what the window counts and lists.
    const std::vector<size_t>& Entries() const { return entries_; }
    // The first entry (lowest row) whose file name equals `fileName` exactly.
    std::optional<size_t> FindEntry(std::string_view fileName) const;
    // Whether the row is an entry with a file name that has not been removed.
    bool IsListedEntry(size_t row) const;
    // The other entries whose GUID equals the one at `row` without regard to case: those that
    // may name its payload file (which of them do is the host's to say, EntriesSharingPackage).
    std::vector<size_t> SharingPayload(size_t row) const;
    // Drops the entry's line from the rewrite.
    void Remove(size_t row);

  private:
    std::vector<CacheLine> lines_;
    std::vector<size_t> entries_;
};

}  // namespace kestrane
