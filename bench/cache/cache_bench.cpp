// The Cache Manager on caches of 1,000 to 900,000 entries: reading and parsing alone, then
// the window's opening as the player meets it: the time to its first paint, the time until
// every entry is listed, and the longest single event on the way (the opening itself is one).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>
#include <string>

#include "editor/store/cache_files.h"
#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/startup.h"
#include "editor/windows/tools/cache_window.h"
#include "tests/support/temp_prefix.h"

namespace {

using namespace kestrane;

std::string CacheIniOf(int entries) {
    static const char* types[] = {"u", "ut2", "utx", "ogg", "uax", "usx", "ukx", "ka"};
    std::string text = "[Cache]\r\n";
    for (int i = 0; i < entries; ++i) {
        text += "FAB1A7CB48F6C4933464C9AAF2D8" + std::to_string(100000 + i) + "-1=Package" +
                std::to_string(i) + "." + types[i % 8] + "\r\n";
    }
    return text;
}

std::unique_ptr<test::TempPrefix> MakeInstallation(int entries) {
    auto prefix = std::make_unique<test::TempPrefix>();
    prefix->Write("UT2004/System/User.ini", "[DefaultPlayer]\r\nName=Player\r\n");
    prefix->Write("UT2004/System/UT2004.ini", "[Core.System]\r\nPurgeCacheDays=30\r\n");
    prefix->Write("UT2004/Cache/cache.ini", CacheIniOf(entries));
    prefix->Write("Kestrane/Kestrane.ini", "Music=OFF\r\nProfileName=\r\nCacheDelete=False\r\n");
    return prefix;
}

void ReadAndParse(benchmark::State& state) {
    auto prefix = MakeInstallation(static_cast<int>(state.range(0)));
    CacheIni cache;
    for (auto _ : state) {
        if (LoadCacheIni("C:\\UT2004\\Cache\\", cache)) state.SkipWithError("no cache.ini");
        benchmark::DoNotOptimize(cache.Entries().size());
    }
}
BENCHMARK(ReadAndParse)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(900000)
    ->Unit(benchmark::kMillisecond);

// Each iteration opens the window, lets the event loop run until every entry is listed, and
// closes it. The iteration's time is the time to full; the counters the other two figures.
void OpenAndList(benchmark::State& state) {
    auto prefix = MakeInstallation(static_cast<int>(state.range(0)));
    ResetState();
    if (ReadKestraneIni() || !MainWindow().Form_Load()) {
        state.SkipWithError("start-up failed");
        return;
    }
    INI& window = MainWindow();
    double firstShow = 0;
    double longest = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QElapsedTimer turn;
        turn.start();
        frmCache_Edit* cache = frmCache_Edit::Open(window);
        QApplication::processEvents();  // laid out and painted
        firstShow += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        double longestNow = static_cast<double>(turn.nsecsElapsed()) / 1e6;
        while (cache->Filling()) {
            turn.restart();
            QApplication::processEvents();
            longestNow = std::max(longestNow, static_cast<double>(turn.nsecsElapsed()) / 1e6);
        }
        longest = std::max(longest, longestNow);
        benchmark::DoNotOptimize(cache->CacheList(0)->count());
        state.PauseTiming();
        cache->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["first_show_ms"] =
        benchmark::Counter(firstShow, benchmark::Counter::kAvgIterations);
    state.counters["longest_event_ms"] = longest;
    DestroyMainWindow();
    ResetState();
}
BENCHMARK(OpenAndList)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(900000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
