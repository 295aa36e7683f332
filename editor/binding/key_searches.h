// The save direction's key searches: exact comparison, and a key that a file lacks is told
// apart from a hit on line 0 (nullopt: the row stores nothing).
#pragma once

#include <optional>
#include <string_view>

#include "editor/store/ini_store.h"

namespace kestrane {

// First line whose key equals `key` exactly. The empty key names no line.
std::optional<size_t> FindKey(const IniStore& store, std::string_view key);
// The key inside the section that begins at a line whose key equals `header` exactly; the
// section ends at the next header line. A header that occurs twice is tried again from its
// second occurrence.
std::optional<size_t> FindKeyInSection(const IniStore& store, std::string_view key,
                                       std::string_view header);

std::optional<size_t> FindUserKey(std::string_view key);
std::optional<size_t> FindUT2004Key(std::string_view key);
std::optional<size_t> FindUserKeyInSection(std::string_view key, std::string_view header);
std::optional<size_t> FindUT2004KeyInSection(std::string_view key, std::string_view header);

// Stores `value` on the line a search found; nothing when it found none.
void StoreAt(IniStore& store, std::optional<size_t> row, std::string value);

}  // namespace kestrane
