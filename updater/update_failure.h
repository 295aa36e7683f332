// A failure that ends an update run; its text says what went wrong, for the log of the failure.
#pragma once

#include <stdexcept>
#include <string>

namespace patchwell {

struct UpdateFailure : std::runtime_error {
    explicit UpdateFailure(const std::string& why) : std::runtime_error(why) {}
};

}  // namespace patchwell
