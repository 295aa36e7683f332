#include "updater/connection_check.h"

#include "platform/connected_state.h"

namespace patchwell {

bool IsInternetConnected(int16_t& flags) {
    int32_t state = 0;
    const bool connected = platform::InternetGetConnectedState(&state, 0);
    flags = static_cast<int16_t>(state);
    return connected;
}

}  // namespace patchwell
