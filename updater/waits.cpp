#include "updater/waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "updater/program_end.h"

namespace patchwell {
namespace {

std::chrono::milliseconds g_second{1000};

void ThrowIfEnded() {
    if (ProgramHasEnded()) throw ProgramEnding{};
}

}  // namespace

void SetDelaySecondForTest(std::chrono::milliseconds second) {
    g_second = second.count() > 0 ? second : std::chrono::milliseconds(1000);
}

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Delay(int16_t TimeInterval) {
    if (TimeInterval <= 0) return;
    const qint64 wait = static_cast<qint64>(TimeInterval) * g_second.count();
    QElapsedTimer clock;
    clock.start();
    // The timer wakes the blocking event wait when nothing else happens meanwhile; it is
    // armed anew for what is left, since a wake may come a little early.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 left; (left = wait - clock.elapsed()) > 0;) {
        wake.start(static_cast<int>(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ThrowIfEnded();
    }
}

void WaitFor(const std::function<bool()>& done) {
    // Ticks now and then, so a condition set outside the event loop is still seen.
    QTimer tick;
    tick.start(50);
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ThrowIfEnded();
    }
}

}  // namespace patchwell
