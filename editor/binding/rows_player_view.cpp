#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& PlayerViewArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
