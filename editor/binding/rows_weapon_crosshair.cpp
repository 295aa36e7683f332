#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& WeaponCrosshairArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
