// Ending the updater at once, from a button or the failure path, even inside a run's waits.
#pragma once

#include <functional>

namespace patchwell {

// Thrown out of a wait once the program is ending, so the run unwinds without going on.
struct ProgramEnding {};

// Ends the program with the exit status (non-zero after a failed run). Under a test's handler
// it only records the end.
void EndProgram(int status = 0);
bool ProgramHasEnded();
int ProgramEndStatus();

// The handler runs in place of the process exit; an empty one restores the exit and the
// ended state.
void SetEndProgramHandlerForTest(std::function<void()> handler);

}  // namespace patchwell
