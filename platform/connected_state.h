// The connection check the updater makes before a run, as InternetGetConnectedState answers.
#pragma once

#include <cstdint>

namespace platform {

// Flag bits handed back.
inline constexpr int32_t kInternetConnectionLan = 0x02;
inline constexpr int32_t kInternetConnectionOffline = 0x20;

// True when some network interface other than the loopback is up and has an address.
bool InternetGetConnectedState(int32_t* flags, int32_t reserved);

// Tests decide the answer: 1 connected, 0 not, -1 asks the host again.
void SetConnectedStateForTest(int connected);

}  // namespace platform
