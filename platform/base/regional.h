// The user's regional number settings, as 8-bit characters of program text.
#pragma once

#include <string>

namespace platform {

char DecimalSeparator();
char DigitGroupSeparator();

// Tests set a locale of their own; '\0' returns to the user's.
void SetDecimalSeparatorForTest(char separator);
void SetDigitGroupSeparatorForTest(char separator);

// Today's date in the user's short date format.
std::string ShortDateText();

}  // namespace platform
