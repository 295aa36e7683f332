// The game's colour text "(B=b,G=g,R=r,A=a)" split into red, green and blue.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kestrane {

// Reads by position: after the first "=" blue, after the second green, after the third red.
// Missing "=" signs fall back to the start of the text, as the game's tools did.
void GetRGB(std::array<std::int16_t, 3>& rgb, std::string_view values);

}  // namespace kestrane
