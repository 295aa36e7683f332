#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& ColoursArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
