// Preloaded into a program under measure (LD_PRELOAD): once its main window has been painted
// for the first time it writes "painted" on its standard output and ends at once, so the
// parent's clock stops at what the player first sees. A splash screen gets a key press at its
// first paint, as from a player who does not wait for its timer. KESTRANE_PROBE_TRACE set
// writes the time of each step since the process started on standard error.
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

namespace {

void Trace(const char* what) {
    static const bool on = qEnvironmentVariableIsSet("KESTRANE_PROBE_TRACE");
    if (!on) return;
    // CPU time of the process so far: from its start, dynamic linking included.
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    std::fprintf(stderr, "%-28s %7.1f ms cpu\n", what, t.tv_sec * 1e3 + t.tv_nsec / 1e6);
}

class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window->windowType() == Qt::SplashScreen) {
            if (!splashKeyed_) {
                splashKeyed_ = true;
                Trace("splash painted");
                QCoreApplication::postEvent(
                    window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
            }
        } else if (!reported_ && qobject_cast<QMainWindow*>(window)) {
            reported_ = true;
            Trace("main window paint begins");
            // After the rest of the window is painted in this same pass.
            QTimer::singleShot(0, [] {
                Trace("main window painted");
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                ::_exit(0);
            });
        }
        return false;
    }

  private:
    bool splashKeyed_ = false;
    bool reported_ = false;
};

void InstallFirstPaint() {
    Trace("application made");
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaint)
