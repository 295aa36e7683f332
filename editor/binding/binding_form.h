// The Binding value form: a command's first and second key in two bind boxes, found by value
// anywhere in User.ini on load, and each box's key line given the command on save.
#pragma once

#include <optional>
#include <string_view>

#include "editor/binding/binding_row.h"

namespace kestrane {

// The line of a key named in a bind box: the first line keyed exactly so, else the first keyed
// so in other letter case (the game's key names ignore case, and its own files spell "I" where
// the key table says "i"). The empty name names no line.
std::optional<size_t> FindBindLine(const IniStore& user, std::string_view keyName);

// What a bind box shows while it waits for a key.
inline constexpr std::string_view kCapturingText = "???";

// Row control: {"tbx_Bind", 2k}; the second box is 2k+1. A box still waiting for a key saves
// the key it showed before, whose line the capture had already emptied.
void LoadBindingRow(BindingContext& ctx, const BindingRow& row);
void SaveBindingRow(BindingContext& ctx, const BindingRow& row);

}  // namespace kestrane
