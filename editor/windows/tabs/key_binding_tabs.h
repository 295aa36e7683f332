// The bind rows of the key tabs: the taunts on the player tab, movement, looking, weapons and
// game rows on the key tab, communication and HUD rows on the communication tab.
#pragma once

#include <memory>
#include <string_view>

namespace kestrane {

class BindBoxArray;
class INI;

// The 140 bind boxes as one array, before any page holding them is built.
std::unique_ptr<BindBoxArray> MakeBindBoxes(INI& window);
// Builds the bind boxes of page `tab`, registers them as tbx_Bind and wires their capture.
void BuildKeyBindingGroups(INI& window, std::string_view tab);

}  // namespace kestrane
