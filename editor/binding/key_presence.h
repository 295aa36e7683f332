// A row whose key its section lacks stores nothing on save; its control says so instead of
// taking an edit that is never kept.
#pragma once

#include <span>
#include <string_view>

#include "editor/binding/binding_row.h"

namespace kestrane {

// The control (and the stepper buttons of a video field) available when `present`, else
// disabled with a tip naming the key and the section.
void MarkKeyPresence(BindingContext& ctx, ControlRef control, bool present, std::string_view key,
                     std::string_view section);

// Every row of `rows` by the save's own search of its key in its section.
void MarkRowsPresence(BindingContext& ctx, std::span<const BindingRow> rows);

}  // namespace kestrane
