// What the weapon priority rows do beside their walks.
#pragma once

#include "editor/binding/binding_row.h"

namespace kestrane {

// A priority box whose weapon has no Priority line of its own keeps no place: it says so. The
// load marks every box; a move marks the two boxes it changed.
void MarkPriorityBox(BindingContext& ctx, int box);

}  // namespace kestrane
