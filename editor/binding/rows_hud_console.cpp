#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& HudConsoleArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
