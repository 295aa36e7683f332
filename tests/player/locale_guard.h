// Sets the regional number separators for one test and restores the user's afterwards.
#pragma once

#include "platform/base/regional.h"

namespace kestrane::test {

class LocaleGuard {
  public:
    LocaleGuard(char decimal, char group) {
        platform::SetDecimalSeparatorForTest(decimal);
        platform::SetDigitGroupSeparatorForTest(group);
    }
    ~LocaleGuard() {
        platform::SetDecimalSeparatorForTest('\0');
        platform::SetDigitGroupSeparatorForTest('\0');
    }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;
};

}  // namespace kestrane::test
