// The controls of the setting tabs. Each area of the window builds its groups in a file of
// its own and registers its controls by the names the binding rows use.
#pragma once

#include <string_view>

namespace kestrane {

class INI;

// Fills the page of tab `id` (kMainTabs) of the main window.
void BuildPageContents(INI& window, std::string_view id);

}  // namespace kestrane
