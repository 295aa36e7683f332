#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& TeamBeaconArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
