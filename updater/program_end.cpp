#include "updater/program_end.h"

#include <cstdlib>

namespace patchwell {
namespace {

std::function<void()> g_handler;
bool g_ended = false;

}  // namespace

void EndProgram() {
    g_ended = true;
    if (g_handler) {
        g_handler();
        return;
    }
    std::exit(0);
}

bool ProgramHasEnded() {
    return g_ended;
}

void SetEndProgramHandlerForTest(std::function<void()> handler) {
    g_handler = std::move(handler);
    g_ended = false;
}

}  // namespace patchwell
