// The bind rows of the key tabs: the taunts on the player tab, movement, looking, weapons and
// game rows on the key tab, communication and HUD rows on the communication tab.
#pragma once

namespace kestrane {

class INI;

// Builds the 140 bind boxes, registers them as tbx_Bind and wires their capture.
void BuildKeyBindingGroups(INI& window);

}  // namespace kestrane
