// The rule every numeric field of the main window follows: the text it had on focus comes back
// when an edit leaves something that is not a number, a number beyond a bound becomes the
// bound, and the stepper buttons add or subtract a step and may stop at a limit of their own.
// Pure functions over texts; the window wires its text boxes and buttons to them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrane {

// The bounds a field's change handler applies. Both tests are inclusive: a value equal to a
// bound is rewritten to the bound's own text too.
struct FieldRule {
    std::optional<double> lower;  // tested by the field number
    std::optional<double> upper;  // tested by the field number, or by the locale number
    bool upperReadsLocale = false;
    bool upperFirst = false;  // the upper bound is tested before the lower one
    bool zeroRule = false;    // last of all, also after a revert: 0 or less becomes "0"
    bool freeText = false;    // any text stays: no test at all
};

// A stepper button pair's step and their own limits, tested after the field's rule has run.
struct StepRule {
    double step = 1;
    std::optional<double> cap;    // up: at or above (locale number) becomes the cap
    std::optional<double> floor;  // down: at or below (field number) becomes the floor
    // The game reads the key as a 32-bit signed whole number: a step writes a whole number in
    // that range, and one from a number outside it is refused.
    bool integer = false;
};

// The text a field holds once its text changed to `text` and its change handler ran, every
// text the handler writes running the handler again, nested, as a text box does; `saved` is
// the remembered field text.
std::string TextAfterChange(std::string_view text, std::string_view saved, const FieldRule& rule);

// The text a field holds once the player's typing changed it to `text`. The start of a number
// ("", "-", "0.", "1e-") stays as typed, and so does a number below a lower bound or at or
// below 0 under the zero rule ("0" on the way to "0.5", "-3"), since digits typed after the
// bound's text would make another number of it; those limits act in TextAfterChange once the
// player leaves the field, or before a save. A number above an upper bound that no typing on
// can bring back ("30" over 25) takes the bound at once.
std::string TextWhileTyping(std::string_view text, std::string_view saved, const FieldRule& rule);

// Why one press of the up (`up`) or down button cannot start from `text`, or nothing when it
// can: a step builds only on a text that is one plain number, or empty (read as 0). A text
// that is something else ("&H10", "1,000", "nan") is left alone rather than stepped from a part
// of it; a number past a double's range ("1e400") can only stop at a bound on its side.
std::optional<std::string> StepRefusal(std::string_view text, const FieldRule& rule,
                                       const StepRule& step, bool up);
// The refusal of a step from a text that is no number to count from.
std::string NoNumberToStepFrom(std::string_view text);
// The refusal of a step on a whole-number setting from a number outside the game's integers.
std::string NoWholeNumberToStepFrom(std::string_view text);

// What one press of the up or down button leaves in a field holding `text`. From a number past
// a double's range the press stops at the bound on its side (the button's own limit first).
std::string TextAfterStepUp(std::string_view text, std::string_view saved, const FieldRule& rule,
                            const StepRule& step);
std::string TextAfterStepDown(std::string_view text, std::string_view saved, const FieldRule& rule,
                              const StepRule& step);

}  // namespace kestrane
