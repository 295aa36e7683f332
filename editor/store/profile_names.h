// Which texts can name a profile: the name becomes one folder under "\Profiles\", on Windows
// and on the host, so it must be a single folder name that both can hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrane {

// Longest folder name Windows and the host's file systems hold.
inline constexpr size_t kMaxProfileNameLength = 255;

// Why `name` cannot name a profile ("it holds \"\\\", which separates folders"); nullopt when
// it can. The empty text is refused too.
std::optional<std::string> ProfileNameFault(std::string_view name);

// "The name "CON" cannot be a profile name: Windows keeps it for a device."
std::string ProfileNameMessage(std::string_view name, const std::string& fault);

}  // namespace kestrane
