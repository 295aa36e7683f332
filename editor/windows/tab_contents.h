// The controls of the setting tabs. Each area of the window builds its groups in a file of
// its own and registers its controls by the names the binding rows use.
#pragma once

namespace kestrane {

class INI;

// Fills every setting page of a fresh main window.
void BuildTabContents(INI& window);

}  // namespace kestrane
