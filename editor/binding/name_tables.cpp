#include "editor/binding/name_tables.h"

#include "editor/store/crosshair_names.h"

namespace kestrane {

std::string GetWeaponSection(std::string_view displayName) {
    for (const WeaponSection& w : WeaponSections) {
        if (w.display == displayName) return std::string(w.section);
    }
    return {};
}

std::string GetCrosshairTexture(std::string_view displayName) {
    for (const CrosshairPair& pair : CrosshairPairs) {
        if (pair.display == displayName) return std::string(pair.texture);
    }
    return {};
}

}  // namespace kestrane
