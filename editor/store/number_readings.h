// How the editor's numeric fields read and write numbers under the user's regional settings.
// File values always use "." (the game reads no other decimal point): the fields read "." and
// the user's decimal separator alike, and write ".".
#pragma once

#include <string>
#include <string_view>

namespace kestrane {

// The whole text reads as one number under the regional settings: blanks around it, a sign,
// digits (the digit-group separator between digits of the whole part), at most one decimal
// separator ("." or the user's) with digits on at least one side, an optional exponent.
bool IsNumericText(std::string_view text);

// That reading; 0 for a text that is not numeric.
double LocaleNumber(std::string_view text);

// The leading number as the fields' bound tests read it: the user's decimal separator reads
// as a decimal point too, so a typed "0,5" tests as 0.5 in a comma locale.
double FieldNumber(std::string_view text);

// At most 15 significant digits, rounded; no trailing zeros, no grouping; "." as decimal point
// whatever the locale, as the game reads it; "0" before the point below 1.
std::string NumberText(double value);

// The text with the user's decimal separator turned into ".".
std::string WithDecimalPoint(std::string_view text);

// What the game's 32-bit signed integers hold.
inline constexpr double kGameIntegerLowest = -2147483648.0;
inline constexpr double kGameIntegerHighest = 2147483647.0;

// A whole value in plain decimal digits.
std::string IntegerText(double value);

// A bound as the fields write it: integer text when whole, number text otherwise.
std::string BoundText(double value);

// The text is one plain decimal number and nothing else: an optional sign, digits with at most
// one "." and digits on at least one side of it, an optional exponent. No blanks, no grouping,
// no "&H" or "0x" prefix, no "nan" or "inf".
bool IsPlainNumber(std::string_view text);

// A text that is no number yet but begins one: the empty text, a sign, a decimal separator,
// "-.", "1e", "1e-". A player typing a number passes through these; they are left as typed.
bool IsStartOfNumber(std::string_view text);

// The lowest number a numeric text can still become while the player types on at its end,
// given the number it reads now: "0" or "0.5" no lower than now (digits typed on only add),
// "-2" any number down, "-0.5" down to -0.6; a text with an exponent or a blank after the
// number is taken as finished.
double LowestByTyping(std::string_view text, double now);

// A file value as a field shows it: a plain number without the zeros that end its fraction
// ("0.500000" -> "0.5", "100.000000" -> "100", "1.50E3" -> "1.5E3"), so it still names the
// file's own number whatever its size; any other text whole, as the file has it.
std::string ShownNumberText(std::string_view value);

}  // namespace kestrane
