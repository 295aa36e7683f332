#include "editor/store/crosshair_names.h"

#include "editor/store/text_compare.h"
#include "platform/base/paths.h"

namespace kestrane {

std::string GetCrosshair(std::string_view crossName) {
    for (const CrosshairPair& pair : CrosshairPairs) {
        if (EqualsNoCase(pair.texture, crossName)) return std::string(pair.display);
    }
    return "Cross 1";
}

std::string CrosshairPicturePath(std::string_view displayName) {
    return platform::ProgramFolder() + "\\Images\\CrossHairs\\" + std::string(displayName) + ".jpg";
}

}  // namespace kestrane
