// The updater beside the tools a player would otherwise use, in one run: a 32 MB download
// from a local server against curl (unpacking against Info-ZIP's unzip: unzip_bench.cpp).
// The download runs twice: once with no display, once into the window's own progress bar and
// labels, as a player sees it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "platform/base/paths.h"
#include "tests/support/http_test_server.h"
#include "updater/download.h"
#include "updater/download_display.h"
#include "updater/waits.h"
#include "updater/window/auto_patcher.h"

namespace {

using kestrane::test::HttpTestServer;

constexpr qsizetype kDownloadBytes = 32 << 20;

class NoDisplay : public patchwell::DownloadDisplay {
  public:
    void SetProgressVisible(bool) override {}
    void SetProgressMax(int32_t m) override { maximum = m; }
    int32_t ProgressMax() const override { return maximum; }
    void SetProgressValue(int32_t v) override { value = v; }
    int32_t ProgressValue() const override { return value; }
    void SetTimerEnabled(bool) override {}
    void SetPercentCaption(const std::string&) override {}
    void SetStatusCaption(const std::string&) override {}
    int32_t maximum = 0, value = 0;
};

// Mostly random bytes, as packed game files are: deflate gains little.
QByteArray Payload(qsizetype size, unsigned seed) {
    QByteArray data(size, '\0');
    std::mt19937 random(seed);
    for (qsizetype i = 0; i < size; i += 4) {
        const uint32_t word = (i / 4) % 8 == 0 ? 0x20202020u : random();
        memcpy(data.data() + i, &word, std::min<qsizetype>(4, size - i));
    }
    return data;
}

struct Setup {
    QTemporaryDir dir;
    HttpTestServer server;

    Setup() { server.Serve("/big.zip", {200, Payload(kDownloadBytes, 1)}); }
    std::string Host(const QString& rel) const { return (dir.path() + "/" + rel).toStdString(); }
};

Setup* g_setup = nullptr;

// CPU milliseconds of this process (all its threads, the test server's too) or of its
// finished children.
double CpuMs(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
           usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
}

// The CPU column counts the benchmark's thread only; these count the rest.
void CountCpu(benchmark::State& state, double selfBefore, double childrenBefore) {
    const double n = static_cast<double>(state.iterations());
    state.counters["process_cpu_ms"] = (CpuMs(RUSAGE_SELF) - selfBefore) / n;
    state.counters["curl_cpu_ms"] = (CpuMs(RUSAGE_CHILDREN) - childrenBefore) / n;
}

void Download(benchmark::State& state, patchwell::DownloadDisplay& display) {
    patchwell::SetDelaySecondForTest(std::chrono::milliseconds(1));  // the fixed 2 s pause
    patchwell::UpdateDownload download(display);
    const std::string dest = platform::ToWindowsPath(g_setup->Host("patchwell.bin"));
    const double self = CpuMs(RUSAGE_SELF), children = CpuMs(RUSAGE_CHILDREN);
    for (auto _ : state) {
        display.SetProgressVisible(true);
        display.SetTimerEnabled(true);
        patchwell::DownloadInProgress = true;
        download.DownloadUpdateFile(dest, g_setup->server.Url("/big.zip"), "32767");
        patchwell::WaitFor([] { return !patchwell::DownloadInProgress; });
        if (!download.Failure().empty()) state.SkipWithError(download.Failure().c_str());
    }
    state.SetBytesProcessed(state.iterations() * kDownloadBytes);
    CountCpu(state, self, children);
}

void BM_Download_Patchwell(benchmark::State& state) {
    NoDisplay display;
    Download(state, display);
}

void BM_Download_PatchwellWindow(benchmark::State& state) {
    patchwell::frmAutoPatcher window("http://127.0.0.1:1/update.txt");
    window.show();
    Download(state, window);
}

void BM_Download_Curl(benchmark::State& state) {
    const QString out = QString::fromStdString(g_setup->Host("curl.bin"));
    const QString url = QString::fromStdString(g_setup->server.Url("/big.zip"));
    const double self = CpuMs(RUSAGE_SELF), children = CpuMs(RUSAGE_CHILDREN);
    for (auto _ : state) {
        QProcess curl;
        curl.start("curl", {"-s", "-o", out, url});
        if (!curl.waitForFinished(60000) || curl.exitCode() != 0)
            state.SkipWithError("curl failed");
    }
    state.SetBytesProcessed(state.iterations() * kDownloadBytes);
    CountCpu(state, self, children);
}

BENCHMARK(BM_Download_Patchwell)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Download_PatchwellWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Download_Curl)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Setup setup;
    g_setup = &setup;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
