// The raw User.INI box as a player meets it, inside one editor: a 50 MB file shown and
// searched, and the box shown again after File > Save on a large file with search marks set.
// Each event the application delivers is timed; the longest is what the window froze for.
// Wall time is what the player waits for; CPU time is the main thread's, where all of it runs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "editor/store/program_state.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "editor/windows/main/startup.h"
#include "tests/support/large_user_ini.h"
#include "tests/support/temp_prefix.h"

namespace {

using namespace kestrane;

// Times each outermost event it delivers while `recording`.
class TimedApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (depth_++ > 0 || !recording) {
            const bool done = QApplication::notify(receiver, event);
            --depth_;
            return done;
        }
        QElapsedTimer clock;
        clock.start();
        const bool done = QApplication::notify(receiver, event);
        longest = std::max(longest, clock.nsecsElapsed());
        --depth_;
        return done;
    }

    bool recording = false;
    qint64 longest = 0;  // ns

  private:
    int depth_ = 0;
};

TimedApplication& App() {
    return *static_cast<TimedApplication*>(QCoreApplication::instance());
}

// A User.ini of about 1.2 MB and 5,500 lines: the player's settings and a long favourites
// list of the server browser, as a player who keeps many servers has. `times` repeats the list.
std::string LargeUserIni(int times) {
    std::string text =
        "[Engine.Input]\r\nAliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
        "Space=Jump\r\n\r\n[DefaultPlayer]\r\nName=Player\r\n\r\n"
        "[GUI2K4.UT2k4Browser_ServerListPageFavorites]\r\n";
    for (int n = 0; n < 5'500 * times; ++n) {
        const std::string k = std::to_string(n);
        text += "Favorites=(ServerName=\"Clan server number " + k +
                " - instagib, vehicles and custom maps\",IP=\"10." + std::to_string(n % 250) +
                ".1." + std::to_string(n % 200) +
                "\",Port=7777,QueryPort=7778,bLanServer=False,GameType=\"xDeathMatch\","
                "MapName=\"DM-Rankin\",CurrentPlayers=0,MaxPlayers=16)\r\n";
    }
    return text;
}

// The editor started on `user` with its User.INI tab shown.
struct Editor {
    explicit Editor(const std::string& user) {
        prefix = std::make_unique<test::TempPrefix>();
        prefix->Write("UT2004/System/User.ini", user);
        prefix->Write("UT2004/System/UT2004.ini", "[Engine.Engine]\r\nRenderDevice=D3DDrv\r\n");
        prefix->Write("Kestrane/Kestrane.ini",
                      "Music=OFF\r\nProfileName=\r\nCacheDelete=False\r\n");
        ResetState();
        started = !ReadKestraneIni() && MainWindow().Form_Load();
        if (!started) return;
        MainWindow().show();
        started = QTest::qWaitForWindowExposed(&MainWindow());
    }
    ~Editor() {
        DestroyMainWindow();
        QCoreApplication::processEvents();
        ResetState();
    }
    RichTextBox& Box() { return *MainWindow().Controls().Get<RichTextBox>({"RTB_User", 0}); }
    // Types `word` into the search box and presses Enter.
    void Search(const char* word) {
        auto* search = MainWindow().Controls().Get<QLineEdit>({"tbxSearch", 0});
        search->setText(word);
        QTest::keyClick(search, Qt::Key_Return);
    }
    void RunUntilDone() {
        while (Box().Busy()) QCoreApplication::processEvents();
    }

    std::unique_ptr<test::TempPrefix> prefix;
    bool started = false;
};

// Runs `work` as one event of the loop and gives its time; then, unless `andWait` is false, runs
// the loop until the box is done and gives the longest event meanwhile.
struct EventTimes {
    qint64 work = 0;     // ns
    qint64 longest = 0;  // ns, after the work
};

EventTimes AsOneEvent(Editor& editor, const std::function<void()>& work, bool andWait = true) {
    EventTimes times;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QElapsedTimer clock;
        clock.start();
        work();
        times.work = clock.nsecsElapsed();
        ran = true;
    });
    while (!ran) QCoreApplication::processEvents();
    if (!andWait) return times;
    App().longest = 0;
    App().recording = true;
    editor.RunUntilDone();
    App().recording = false;
    times.longest = App().longest;
    return times;
}

double Ms(qint64 ns) {
    return static_cast<double>(ns) / 1e6;
}

// File > Save with the player's name edited, on a User.ini of `range(0)` times 1.2 MB. With
// `range(1)` the User.INI tab is shown and a search has marked every "port" (two a line);
// without, the tab was never opened, which leaves the save's own work. Timed: the save's event
// and every event after it until the box is done.
void RefillAfterSave(benchmark::State& state) {
    Editor editor(LargeUserIni(static_cast<int>(state.range(0))));
    if (!editor.started) {
        state.SkipWithError("start-up failed");
        return;
    }
    const bool shown = state.range(1) != 0;
    if (shown) {
        MainWindow().ShowTab("user_ini");
        editor.RunUntilDone();
    }
    qint64 longest = 0, saveEvent = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (shown) {
            editor.Search("port");
            editor.RunUntilDone();
        }
        MainWindow().Controls().SetText({"tbx_Name"}, "Bench" + std::to_string(round++ % 2));
        state.ResumeTiming();
        const EventTimes times = AsOneEvent(editor, [] { SaveCurrentSettings(MainWindow()); });
        saveEvent = std::max(saveEvent, times.work);
        longest = std::max(longest, times.longest);
    }
    state.counters["file_MB"] = static_cast<double>(State().user.Text().size()) / 1e6;
    state.counters["save_event_ms"] = Ms(saveEvent);
    state.counters["longest_after_ms"] = Ms(longest);
}
BENCHMARK(RefillAfterSave)
    ->ArgNames({"x1.2MB", "box_shown"})
    ->ArgsProduct({{1, 4, 16}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

// A 50 MB User.ini: its tab's first show, then at once a search for "engine" (one a section)
// while the text is still being laid in; timed until every match is marked and the whole text
// is in.
void FiftyMegabyteBox(benchmark::State& state) {
    const std::string user = test::FiftyMegabyteUserIni();
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<Editor>(user);
        if (!editor->started) {
            state.SkipWithError("start-up failed");
            return;
        }
        state.ResumeTiming();
        const EventTimes show = AsOneEvent(
            *editor, [] { MainWindow().ShowTab("user_ini"); }, false);
        const EventTimes search = AsOneEvent(*editor, [&] { editor->Search("engine"); });
        state.counters["show_event_ms"] = Ms(show.work);
        state.counters["search_event_ms"] = Ms(search.work);
        state.counters["longest_after_ms"] = Ms(search.longest);
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FiftyMegabyteBox)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
