// The updater beside the tools a player would otherwise use: unpacking a 50 MB archive against
// Info-ZIP's unzip (the download against curl: download_bench.cpp).
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "platform/base/paths.h"
#include "updater/unzip/c_unzip.h"

namespace {

constexpr int kArchiveFiles = 13;
constexpr qsizetype kFileBytes = 4 << 20;

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
    QString archive;

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
