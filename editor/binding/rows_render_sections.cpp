#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& RenderSectionsArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
