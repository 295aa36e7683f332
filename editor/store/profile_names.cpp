#include "editor/store/profile_names.h"

#include <array>

#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

// Device names Windows answers in every folder, with or without an extension.
constexpr std::array<std::string_view, 4> kDeviceNames{"CON", "PRN", "AUX", "NUL"};
constexpr std::array<std::string_view, 2> kNumberedDevices{"COM", "LPT"};
constexpr std::string_view kForbidden = "\\/<>:\"|?*";

bool IsReservedDevice(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (std::string_view device : kDeviceNames) {
        if (EqualsNoCase(base, device)) return true;
    }
    if (base.size() != 4 || base[3] < '0' || base[3] > '9') return false;
    for (std::string_view device : kNumberedDevices) {
        if (EqualsNoCase(base.substr(0, 3), device)) return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> ProfileNameFault(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos) {
        return name.empty() ? "it is empty" : "it holds nothing but blanks";
    }
    if (name == "." || name == "..") return "it names a folder around the profile, not a profile";
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32) return "it holds a control character";
        if (c == '\\' || c == '/') {
            return std::string("it holds \"") + c + "\", which separates folders";
        }
        if (kForbidden.find(c) != std::string_view::npos) {
            return std::string("it holds \"") + c + "\", which Windows refuses in a folder name";
        }
    }
    if (name.back() == ' ' || name.back() == '.') {
        return "Windows drops a blank or full stop at the end of a folder name";
    }
    if (IsReservedDevice(name)) return "Windows keeps it for a device";
    if (name.size() > kMaxProfileNameLength) {
        return "it is longer than the " + std::to_string(kMaxProfileNameLength) +
               " characters a folder name can hold";
    }
    return std::nullopt;
}

std::string ProfileNameMessage(std::string_view name, const std::string& fault) {
    return "The name \"" + std::string(name) + "\" cannot be a profile name: " + fault + ".";
}

}  // namespace kestrane
