// Settings the player did not touch keep their value: a row whose controls still show what the
// load put there writes the file's own text back, whatever its value form would make of it.
#pragma once

#include <initializer_list>
#include <string>

#include "editor/binding/binding_row.h"

namespace kestrane {

// A control a load step filled; what it shows is taken when the whole load has ended, after
// every change check has run.
void NoteLoaded(BindingContext& ctx, ControlRef control);
// Takes what every noted control shows; the load walk calls it last.
void TakeShownAtLoad(BindingContext& ctx);
// Forgets what the last load showed (before a new load).
void ForgetShownAtLoad(BindingContext& ctx);

// The control still shows what the load left in it. A control no load filled counts as touched.
bool Untouched(const BindingContext& ctx, ControlRef control);
bool AllUntouched(const BindingContext& ctx, std::initializer_list<ControlRef> controls);

// Stores `value` on `line`, or the line's value as it was read when every one of `controls`
// is untouched.
void StoreUnlessUntouched(BindingContext& ctx, IniStore& store, size_t line,
                          std::initializer_list<ControlRef> controls, std::string value);

}  // namespace kestrane
