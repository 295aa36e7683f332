#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& RenderChoiceArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
