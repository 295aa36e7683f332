#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& KeyBindingsArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
