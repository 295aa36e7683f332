// The save side's name tables: weapon display name to its User.ini section, crosshair display
// name to its texture name. Both compare exactly and answer the empty text for no match.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrane {

struct WeaponSection {
    std::string_view display;
    std::string_view section;
};

// The 17 weapons of the priority list, in list order.
extern const std::array<WeaponSection, 17> WeaponSections;

std::string GetWeaponSection(std::string_view displayName);
std::string GetCrosshairTexture(std::string_view displayName);

}  // namespace kestrane
