// The colour sets of the main window: red, green and blue boxes txb_IRC_Red/Green/Blue(i),
// each with plus and minus buttons, and the preview tbx_IRCColor(i), repainted after every
// change of one of its channels.
#pragma once

#include <cstdint>
#include <string_view>

class QGridLayout;

namespace kestrane {

class INI;

// The preview colour of three channel texts (red + 256 * green + 65536 * blue): each channel's
// leading number to the nearest whole number, halves to even, held to 0..255 for painting.
std::uint32_t PreviewColour(std::string_view red, std::string_view green, std::string_view blue);

// Makes colour set `set` in one line of the grid: the preview showing `caption`, then the
// three channels with their buttons.
void AddColourSet(INI& window, int set, std::string_view caption, QGridLayout* grid, int row);

// Places the sets that live on other pages: the beacon and HUD colours on the communication
// page, the weapons' crosshair colours on the weapons page.
void BuildCommColourSets(INI& window);
void BuildCrosshairColourSets(INI& window);

}  // namespace kestrane
