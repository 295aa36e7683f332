// Setting a key that a file may lack, without touching any other line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "editor/store/ini_store.h"

namespace kestrane {

// Puts `value` on the first row whose key is `key` (ignoring case, the row GetVal reads).
// When the store has none, "key=value" becomes the last line of the section `header` (before
// the blank lines that end it); a store without that section gets the section at its end.
// Returns the row written.
size_t SetValueInSection(IniStore& store, std::string_view header, std::string_view key,
                         const std::string& value);

}  // namespace kestrane
