// The change rules of the Instant Action number boxes and their "+" / "-" buttons, over boxes
// whose every text change runs the rules again at once, nested, as a text box does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrane {

class OptionBoxes {
  public:
    virtual ~OptionBoxes() = default;
    virtual std::string Text(int box) const = 0;
    // Setting a text different from the present one runs OptionBoxChanged for that box before
    // it returns; setting the same text runs nothing.
    virtual void SetText(int box, const std::string& text) = 0;
    // The number of bots changed: the command line is built again.
    virtual void BotsChanged() = 0;
};

// Runs after every change of box `box`: the bots box rebuilds the command line; the initial
// wave stays at most the final wave, the final wave at least the initial wave and at most 16;
// a box whose leading number is 0 or less becomes "0". While the player types (`typing`), the
// start of a number ("", "-", "0.") stays as typed, the final wave's floor and the zero rule
// wait for the player to leave the box (then the rule runs whole), and an upper limit acts once
// no digit typed on can bring the number back below it.
void OptionBoxChanged(OptionBoxes& boxes, int box, bool typing = false);

// The game reads the option of number box `box` as a whole number (a count, a score, seconds
// or minutes); only the scales and the times kept with a fraction are read as decimals.
bool IsWholeNumberOption(int box);

// The text a "+" (delta 1) or "-" (delta -1) press gives a box holding `text`; nothing for a
// text that is not a number as a whole (such as "7x") or lies past what a step can count from,
// which the press leaves alone. A `whole` option steps to the nearest whole number and never
// from one outside the game's 32-bit integers, so it is never written in exponent form.
std::optional<std::string> SteppedText(std::string_view text, double delta, bool whole = false);

}  // namespace kestrane
