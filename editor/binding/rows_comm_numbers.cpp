#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& CommNumbersArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
