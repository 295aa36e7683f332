// The bind boxes as the capture and the loader see them, and the helpers that keep a key name
// in one box at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrane {

// An array of bind boxes (tbx_Bind, 0 to 139, in the main window); tests supply their own.
class BindBoxes {
  public:
    virtual ~BindBoxes() = default;
    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
    virtual void SetText(int index, const std::string& text) = 0;
    virtual void SetFontSize(int index, int points) = 0;
    // Colours as red + 256 * green + 65536 * blue; no text colour: the system's window text.
    virtual void SetColours(int index, std::uint32_t back, std::optional<std::uint32_t> text) {
        (void)index, (void)back, (void)text;
    }
    // Ends a capture: the focus leaves the bind boxes (for the player picture).
    virtual void MoveFocusAway() {}
};

// 6 points for a text longer than 10 characters, else 7.
int BindBoxFontSize(const std::string& text);

// Writes the name of a key code into box `index` (empty for a code without a name) and
// remembers both for DelKey.
void Bind(std::int16_t index, std::int16_t keyCode, BindBoxes& binds);
// Empties every other box showing the name the last Bind wrote (ignoring case) and sets every
// box's font size.
void DelKey(BindBoxes& binds);
// Keeps each text only in its lowest-indexed box.
void LimitBindTo2(BindBoxes& binds);

}  // namespace kestrane
