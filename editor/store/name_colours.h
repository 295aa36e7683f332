// A player name with the game's colour codes: ESC followed by the red, green and blue bytes
// (0, 10 and 13 raised to 1, 11 and 14) wherever a colour was picked. The whole name, codes
// included, stays within 20 characters and holds at most 4 codes.
#pragma once

#include <cstdint>
#include <string>

namespace kestrane {

inline constexpr int kNameLimit = 20;
inline constexpr int kColourCodeLength = 4;

// The four characters of a colour given as red + 256 * green + 65536 * blue.
std::string ColourCode(std::uint32_t colour);
// True when every component is 0 or 1: such a pick adds no code.
bool IsBlackColour(std::uint32_t colour);

class ColouredName {
  public:
    const std::string& Encoded() const { return encoded_; }
    int TypedLength() const { return typed_; }
    int ColourCount() const { return colours_; }

    // Room for one more code after what is typed and picked.
    bool HasRoomForColour() const;
    // How many characters the typed box may hold now.
    int TypedLimit() const { return kNameLimit - kColourCodeLength * colours_; }

    // Adds the code of `colour`; false (nothing added) for a black pick or without room.
    bool PickColour(std::uint32_t colour);
    // Appends a typed character when there is room; false otherwise.
    bool Type(char c);
    void Clear();

    // "9 out of 20 Characters Used".
    std::string CounterText() const;

  private:
    std::string encoded_;
    int typed_ = 0;
    int colours_ = 0;
};

}  // namespace kestrane
