#include "editor/store/name_colours.h"

namespace kestrane {
namespace {

// 0 would end the name for the game; 10 and 13 would end its line in User.ini. Each is raised
// by one, a shade no eye tells apart.
char Component(std::uint32_t colour, int shift) {
    const auto c = static_cast<unsigned char>((colour >> shift) & 0xFF);
    return static_cast<char>(c == 0 || c == '\n' || c == '\r' ? c + 1 : c);
}

}  // namespace

std::string ColourCode(std::uint32_t colour) {
    return {'\x1B', Component(colour, 0), Component(colour, 8), Component(colour, 16)};
}

bool IsBlackColour(std::uint32_t colour) {
    return ColourCode(colour) == std::string("\x1B\x01\x01\x01", 4);
}

bool ColouredName::HasRoomForColour() const {
    return typed_ + kColourCodeLength * colours_ + kColourCodeLength < kNameLimit;
}

bool ColouredName::PickColour(std::uint32_t colour) {
    if (!HasRoomForColour() || IsBlackColour(colour)) return false;
    encoded_ += ColourCode(colour);
    ++colours_;
    return true;
}

bool ColouredName::Type(char c) {
    if (typed_ + kColourCodeLength * colours_ >= kNameLimit) return false;
    const auto u = static_cast<unsigned char>(c);
    // Backspace, tab, return and space never reach the name; nor do other control bytes.
    if (u < 0x20 || u == ' ' || u == 0x7F) return false;
    encoded_.push_back(c);
    ++typed_;
    return true;
}

void ColouredName::Clear() {
    encoded_.clear();
    typed_ = 0;
    colours_ = 0;
}

std::string ColouredName::CounterText() const {
    return std::to_string(encoded_.size()) + " out of 20 Characters Used";
}

}  // namespace kestrane
