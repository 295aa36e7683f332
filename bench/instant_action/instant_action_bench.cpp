// The map list of one game type over a Maps folder of 5,000 files: the folder listing, the
// prefix filter with the sort, and the list box filled with the names.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "editor/instant_action/map_list.h"
#include "platform/base/ansi.h"

namespace {

constexpr int kFiles = 5000;

// A prefix of our own with the game's Maps folder: DM, CTF, ONS, AS, BR and DOM maps mixed.
struct MapsFolder {
    QTemporaryDir dir;
    std::string windowsPath = "C:\\UT2004\\Maps\\";

    MapsFolder() {
        qputenv("WINEPREFIX", dir.path().toLocal8Bit());
        const QString maps = dir.path() + "/drive_c/UT2004/Maps";
        QDir().mkpath(maps);
        const char* prefixes[] = {"DM-", "CTF-", "ONS-", "AS-", "BR-", "DOM-", "dm-"};
        for (int i = 0; i < kFiles; ++i) {
            QFile file(maps + QString("/%1Map%2.ut2").arg(prefixes[i % 7]).arg(i * 7919 % kFiles));
            file.open(QIODevice::WriteOnly);
        }
    }
};

MapsFolder& Folder() {
    static MapsFolder folder;
    return folder;
}

void BM_ListMapsFolder(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kestrane::AllFiles(Folder().windowsPath));
}
BENCHMARK(BM_ListMapsFolder)->Unit(benchmark::kMillisecond);

void BM_DeathMatchNames(benchmark::State& state) {
    const std::vector<std::string> files = kestrane::AllFiles(Folder().windowsPath);
    for (auto _ : state) benchmark::DoNotOptimize(kestrane::MapNames(files, "DM"));
}
BENCHMARK(BM_DeathMatchNames)->Unit(benchmark::kMillisecond);

// What a change of game type costs: listing, names and the list box emptied and refilled.
void BM_MapListRebuild(benchmark::State& state) {
    QListWidget list;
    for (auto _ : state) {
        const auto names = kestrane::MapNames(kestrane::AllFiles(Folder().windowsPath), "DM");
        list.clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(names.size()));
        for (const std::string& name : names) items << platform::FromAnsi(name);
        list.addItems(items);
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["maps"] = list.count();
}
BENCHMARK(BM_MapListRebuild)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Folder();  // the 5,000 files are made before any timing
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
