#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& WeaponPriorityArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
