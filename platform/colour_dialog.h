// The platform's colour dialog. Colours are red + 256 * green + 65536 * blue. While a
// ScriptedResponder is installed it answers instead.
#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace platform {

// The chosen colour, or nullopt when the user cancels. Opens on `initial`.
std::optional<std::uint32_t> ChooseColour(std::uint32_t initial, QWidget* owner);

}  // namespace platform
