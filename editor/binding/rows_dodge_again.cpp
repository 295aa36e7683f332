#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& DodgeAgainArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
