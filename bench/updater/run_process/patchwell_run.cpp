// A whole Patchwell run as a process of its own, for the run benchmarks: patchwell_run <list
// address> <program folder>. The window starts (its clean-up included), Update is pressed and
// the run goes to its end: the list, every download, its unpacking and its removal. Exit 0
// when the run completed, else 1 with the reason on stderr.
#include <QApplication>
#include <QPushButton>
#include <cstdio>

#include "platform/base/paths.h"
#include "platform/connected_state.h"
#include "platform/scripted_responder.h"
#include "updater/program_end.h"
#include "updater/waits.h"
#include "updater/window/auto_patcher.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: patchwell_run <list address> <program folder>\n");
        return 2;
    }
    platform::SetProgramFolderForTest(argv[2]);
    // The fixed pauses are the player's wait, not the run's work.
    patchwell::SetDelaySecondForTest(std::chrono::milliseconds(1));
    platform::SetConnectedStateForTest(1);
    platform::ScriptedResponder noDialogs;  // a failure's message must not wait for a click
    patchwell::SetEndProgramHandlerForTest([] {});
    patchwell::frmAutoPatcher window(argv[1]);
    window.Form_Load();
    window.cmdDone->click();
    if (window.LastRun().outcome != patchwell::RunOutcome::Completed) {
        std::fprintf(stderr, "%s\n", window.LastRun().failure.c_str());
        return 1;
    }
    return 0;
}
