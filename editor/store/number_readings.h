// How the editor's numeric fields read and write numbers under the user's regional settings.
// File values always use "." (the game writes them so); typed and stepped values follow the
// user's decimal separator.
#pragma once

#include <string>
#include <string_view>

namespace kestrane {

// The whole text reads as one number under the regional settings: blanks around it, a sign,
// digits (the digit-group separator between digits of the whole part), at most one decimal
// separator with digits on at least one side, an optional exponent.
bool IsNumericText(std::string_view text);

// That reading; 0 for a text that is not numeric.
double LocaleNumber(std::string_view text);

// The leading number as the fields' bound tests read it. With "." as the user's decimal
// separator this is the leading number exactly; with another separator, that separator reads
// as a decimal point too, so the fields' own number texts read back to their values.
double FieldNumber(std::string_view text);

// At most 15 significant digits, rounded; no trailing zeros, no grouping; the user's decimal
// separator; "0" before the separator below 1.
std::string NumberText(double value);

// A whole value in plain decimal digits.
std::string IntegerText(double value);

// A bound as the fields write it: integer text when whole, number text otherwise.
std::string BoundText(double value);

}  // namespace kestrane
