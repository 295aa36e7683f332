// The Instant Action launcher's program-wide state: the choices the command line is built
// from and the mutators read from the game's records. It outlives the window; each opening
// resets the skill and the mutator flag.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/instant_action/mutator_records.h"

namespace kestrane {

struct InstantActionState {
    std::string InstantGameClass;
    std::string InstantMutatorClass;
    std::int16_t InstantBotSkill = 0;
    bool InstantMutatorOn = false;
    std::vector<MutatorRecord> mutators;  // in file order; the mutator list's entry index
};

InstantActionState& InstantAction();
void ResetInstantAction();

}  // namespace kestrane
