#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& AliasListsArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
