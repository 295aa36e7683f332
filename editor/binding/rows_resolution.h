// What the resolution rows tell beside their walks.
#pragma once

#include <string>
#include <vector>

#include "editor/binding/binding_row.h"

namespace kestrane {

// Each changed resolution from which no width and height can be read, named for the player.
std::vector<std::string> UnstorableResolutions(const BindingContext& ctx);

}  // namespace kestrane
