// The value forms shared by the load and the save direction of a binding row. Load tests
// ignore case; a key the file lacks reads as the empty text.
#pragma once

#include <string>
#include <string_view>

namespace kestrane {

enum class Form {
    Flag,             // "True" checks
    FlagUnlessFalse,  // only "False" unchecks
    Flag10Zero,       // only "0" unchecks; saves "1" / "0"
    Flag10One,        // only "1" checks; saves "1" / "0"
    Text,             // the whole value
    TextLeft,         // as Number4: the row's width cuts nothing the box shows
    Number4,          // a plain number without the zeros that end its fraction
    Colour,           // "(B=..,G=..,R=..,A=..)" into the red, green and blue boxes of a set
    Binding,          // command -> its first and second key in two bind boxes
};

bool IsCheckForm(Form form);

// Check box value (1 or 0) of a loaded value.
int LoadCheck(Form form, std::string_view value);
// Value text of a check box.
std::string SaveCheck(Form form, int checked);

// Text box text of a loaded value (Text, TextLeft, Number4): a text that is not a plain number
// is shown whole.
std::string LoadText(Form form, std::string_view value, int n = 0);

// The number's shortest decimal text, at most 15 significant digits ("0.75", "1E+20").
std::string ShortestNumberText(double value);

// A number the player typed or stepped under a locale whose decimal separator is not ".",
// written as the game reads it: "0,9" -> "0.9". Any other text stays as it is.
std::string FileNumberText(std::string_view text);

// "(B=" blue ",G=" green ",R=" red ",A=255)": the box texts as they stand.
std::string ColourText(std::string_view red, std::string_view green, std::string_view blue);

}  // namespace kestrane
