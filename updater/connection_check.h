// The connection check that guards the Update button.
#pragma once

#include <cstdint>

namespace patchwell {

// True when the host is connected; the connection flags come back in `flags`.
bool IsInternetConnected(int16_t& flags);

}  // namespace patchwell
