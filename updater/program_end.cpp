#include "updater/program_end.h"

#include <cstdlib>

namespace patchwell {
namespace {

std::function<void()> g_handler;
bool g_ended = false;
int g_status = 0;

}  // namespace

void EndProgram(int status) {
    g_ended = true;
    g_status = status;
    if (g_handler) {
        g_handler();
        return;
    }
    std::exit(status);
}

bool ProgramHasEnded() {
    return g_ended;
}

int ProgramEndStatus() {
    return g_status;
}

void SetEndProgramHandlerForTest(std::function<void()> handler) {
    g_handler = std::move(handler);
    g_ended = false;
    g_status = 0;
}

}  // namespace patchwell
