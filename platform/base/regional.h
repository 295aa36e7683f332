// The user's regional number settings, as 8-bit characters of program text.
#pragma once

namespace platform {

char DecimalSeparator();
char DigitGroupSeparator();

// Tests set a locale of their own; '\0' returns to the user's.
void SetDecimalSeparatorForTest(char separator);
void SetDigitGroupSeparatorForTest(char separator);

}  // namespace platform
