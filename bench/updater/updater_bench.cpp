// The updater beside the tools a player would otherwise use, in one run: a 32 MB download
// from a local server against curl, and unpacking a 50 MB archive against Info-ZIP's unzip.
// The download runs twice: once with no display, once into the window's own progress bar and
// labels, as a player sees it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <zip.h>

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
#include "updater/unzip/c_unzip.h"
#include "updater/waits.h"
#include "updater/window/auto_patcher.h"

namespace {

using kestrane::test::HttpTestServer;

constexpr qsizetype kDownloadBytes = 32 << 20;
constexpr int kArchiveFiles = 13;
constexpr qsizetype kFileBytes = 4 << 20;

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
    QString archive;

    Setup() { server.Serve("/big.zip", {200, Payload(kDownloadBytes, 1)}); }
    // Made when an unzip benchmark first asks: compressing it takes seconds.
    const QString& Archive() {
        if (!archive.isEmpty()) return archive;
        archive = dir.path() + "/pack.zip";
        std::vector<QByteArray> files;
        int error = 0;
        zip_t* za =
            zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        for (int i = 0; i < kArchiveFiles; ++i) files.push_back(Payload(kFileBytes, 10 + i));
        for (int i = 0; i < kArchiveFiles; ++i) {
            zip_source_t* src = zip_source_buffer(za, files[i].constData(), files[i].size(), 0);
            zip_file_add(za, ("map" + std::to_string(i) + ".ut2").c_str(), src, 0);
        }
        zip_close(za);
        return archive;
    }
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

void BM_Unzip_Patchwell(benchmark::State& state) {
    const QString archive = g_setup->Archive();
    const QString folder = g_setup->dir.path() + "/patchwell_out";
    QDir().mkpath(folder);
    for (auto _ : state) {
        patchwell::cUnzip zip;
        zip.OverwriteExisting(true);
        zip.ZipFile(platform::ToWindowsPath(archive.toStdString()));
        zip.UnzipFolder(platform::ToWindowsPath(folder.toStdString()) + "\\");
        if (!zip.Unzip()) state.SkipWithError("unzip failed");
    }
    state.SetBytesProcessed(state.iterations() * kArchiveFiles * kFileBytes);
    state.counters["archive_MB"] = QFile(archive).size() / 1048576.0;
}

void BM_Unzip_InfoZip(benchmark::State& state) {
    const QString archive = g_setup->Archive();
    const QString folder = g_setup->dir.path() + "/infozip_out";
    QDir().mkpath(folder);
    for (auto _ : state) {
        QProcess unzip;
        unzip.start("unzip", {"-o", "-q", archive, "-d", folder});
        if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0) {
            state.SkipWithError("unzip failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * kArchiveFiles * kFileBytes);
}

BENCHMARK(BM_Download_Patchwell)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Download_PatchwellWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Download_Curl)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Unzip_Patchwell)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Unzip_InfoZip)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

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
