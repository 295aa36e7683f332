#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& AudioArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
