#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& WindowDetailArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
