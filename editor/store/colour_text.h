// The game's colour text "(B=b,G=g,R=r,A=a)" split into red, green and blue.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrane {

// Reads by position: after the first "=" blue, after the second green, after the third red.
// Missing "=" signs fall back to the start of the text, as the game's tools did.
void GetRGB(std::array<std::int16_t, 3>& rgb, std::string_view values);

// Where each channel's number stands in a colour text: red, green, blue, alpha.
struct ChannelSpan {
    size_t begin = 0;  // first character after "=" and its blanks
    size_t end = 0;    // past the number, before trailing blanks and "," or ")"
};
using ColourSpans = std::array<std::optional<ChannelSpan>, 4>;

// Finds the channels by their letters ("R", "G", "B", "A", any case, each at the start of a
// part), in whatever order and spacing the text has them; the first of each letter counts.
ColourSpans FindColourChannels(std::string_view text);

// Red, green and blue as the game reads them: by letter where the text names any channel
// (a channel it lacks is 0), by position (GetRGB) where it names none.
void ReadRGB(std::array<std::int16_t, 3>& rgb, std::string_view text);

// The file's colour text with only the edited channels' numbers replaced (red, green, blue);
// the alpha, order and spacing stay as the file had them. A text lacking an edited channel is
// written out whole as "(B=..,G=..,R=..,A=..)", keeping the numbers and alpha it had.
std::string EditedColourText(std::string_view fileText,
                             const std::array<std::optional<std::string>, 3>& edited,
                             const std::array<std::string, 3>& shown);

}  // namespace kestrane
