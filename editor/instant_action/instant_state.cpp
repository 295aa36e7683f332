#include "editor/instant_action/instant_state.h"

namespace kestrane {

InstantActionState& InstantAction() {
    static InstantActionState state;
    return state;
}

void ResetInstantAction() {
    InstantAction() = InstantActionState{};
}

}  // namespace kestrane
