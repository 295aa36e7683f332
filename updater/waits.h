// The updater's waits let the window's events run, so its buttons and transfers stay alive.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace patchwell {

// Lets pending events run once.
void DoEvents();

// Waits TimeInterval seconds on a monotonic clock; 0 or less returns at once. Throws
// ProgramEnding when the program is ended meanwhile.
void Delay(int16_t TimeInterval);

// Lets events run until `done` answers true; throws ProgramEnding as Delay does.
void WaitFor(const std::function<bool()>& done);

// Tests shorten the seconds of Delay; zero restores them.
void SetDelaySecondForTest(std::chrono::milliseconds second);

}  // namespace patchwell
