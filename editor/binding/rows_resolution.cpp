#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& ResolutionArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
