// Settings the player did not touch keep their value: a row whose controls still show what
// they showed when the file last held their value writes the file's own text back, whatever
// its value form would make of it. The record behind it is taken after every load and every
// save (ProgramState::shownAsFiled); the questions before leaving read it too.
#pragma once

#include <initializer_list>
#include <string>

#include "editor/binding/binding_row.h"

namespace kestrane {

// A control a load step filled from its file; what it shows is recorded once the whole load
// has ended, after every change check has run.
void NoteLoaded(BindingContext& ctx, ControlRef control);
// Records what every noted control shows now: the load walk calls it last, and a save once
// the files hold what it wrote.
void RecordShown(BindingContext& ctx);
// Forgets every noted control (before a new load).
void ForgetShown(BindingContext& ctx);

// The control still shows what it showed when its file last held its value. A control no
// load filled counts as touched.
bool Untouched(const BindingContext& ctx, ControlRef control);
bool AllUntouched(const BindingContext& ctx, std::initializer_list<ControlRef> controls);
// Some noted control shows what its file does not hold: an edit not yet saved.
bool HasUnsavedEdits(const BindingContext& ctx);

// Stores `value` on `line`, or the line's value as the file holds it when every one of
// `controls` is untouched.
void StoreUnlessUntouched(BindingContext& ctx, IniStore& store, size_t line,
                          std::initializer_list<ControlRef> controls, std::string value);

}  // namespace kestrane
