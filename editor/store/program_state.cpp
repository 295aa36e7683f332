#include "editor/store/program_state.h"

namespace kestrane {

ProgramState& State() {
    static ProgramState state;
    return state;
}

void ResetState() { State() = ProgramState(); }

}  // namespace kestrane
