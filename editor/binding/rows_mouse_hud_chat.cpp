#include "editor/binding/areas.h"

namespace kestrane {

const AreaBinding& MouseHudChatArea() {
    static const AreaBinding area{};
    return area;
}

}  // namespace kestrane
