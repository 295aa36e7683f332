// The store on the real files and on a file ten times the largest: reading and splitting
// alone as the floor, then the parse, 500 lookups and the writers.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "editor/store/ini_files.h"
#include "editor/store/ini_store.h"
#include "editor/store/ini_writer.h"
#include "platform/base/paths.h"

namespace {

using kestrane::IniStore;

std::string CrLf(const QByteArray& data) {
    std::string out;
    out.reserve(static_cast<size_t>(data.size()) * 21 / 20);
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r')) out.push_back('\r');
        out.push_back(data[i]);
    }
    return out;
}

struct Sample {
    std::string name;
    std::string text;
};

const std::vector<Sample>& Samples() {
    static std::vector<Sample> samples = [] {
        std::vector<Sample> out;
        const QString root = KESTRANE_REAL_FIXTURES;
        const char* files[] = {"dantrevino__ut2k4/System/User.ini",
                               "dantrevino__ut2k4/System/UT2004.ini",
                               "thomasns__UT2004SteamDeckConfigs/User.ini"};
        for (const char* rel : files) {
            QFile f(root + "/" + rel);
            if (f.open(QIODevice::ReadOnly)) out.push_back({rel, CrLf(f.readAll())});
        }
        if (!out.empty()) {
            std::string big;
            for (int i = 0; i < 10; ++i) big += out.front().text;
            out.push_back({"10x System/User.ini", big});
        }
        return out;
    }();
    return samples;
}

// Keys spread over the file, as a walk of the binding asks for them.
std::vector<std::string> LookupKeys(const IniStore& store, size_t count) {
    std::vector<std::string> keys;
    for (size_t i = 0; keys.size() < count && store.RowCount() > 0; i += 7) {
        const size_t row = (i * 2654435761u) % store.RowCount();
        if (store.Kind(row) == kestrane::RowKind::KeyLine) keys.push_back(store.Key(row));
        if (i > store.RowCount() * 50) break;
    }
    keys.push_back("KeyThatIsNowhere");
    return keys;
}

// Writes the sample to a host temp file so reading includes the disk.
struct OnDisk {
    QTemporaryDir dir;
    std::string path;
    explicit OnDisk(const std::string& text) {
        path = dir.path().toStdString() + "/User.ini";
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::WriteOnly);
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
};

void BM_ReadAndSplit(benchmark::State& state) {
    const Sample& s = Samples()[static_cast<size_t>(state.range(0))];
    OnDisk disk(s.text);
    for (auto _ : state) {
        auto text = kestrane::ReadFile(disk.path);
        auto lines = kestrane::SplitLines(*text);
        benchmark::DoNotOptimize(lines.lines.data());
    }
    state.SetLabel(s.name);
}

void BM_ReadSplitParse(benchmark::State& state) {
    const Sample& s = Samples()[static_cast<size_t>(state.range(0))];
    OnDisk disk(s.text);
    for (auto _ : state) {
        IniStore store;
        kestrane::LoadIniFile(store, disk.path);
        benchmark::DoNotOptimize(store.RowCount());
    }
    state.SetLabel(s.name);
}

void BM_500GetVal(benchmark::State& state) {
    const Sample& s = Samples()[static_cast<size_t>(state.range(0))];
    IniStore store;
    store.Load(s.text);
    const auto keys = LookupKeys(store, 499);
    kestrane::GetVal(store, "warm");  // index once, as the first lookup after a load does
    for (auto _ : state) {
        for (size_t i = 0; i < 500; ++i) {
            benchmark::DoNotOptimize(kestrane::GetVal(store, keys[i % keys.size()]));
        }
    }
    state.SetLabel(s.name);
}

void BM_FirstLookupAfterLoad(benchmark::State& state) {
    const Sample& s = Samples()[static_cast<size_t>(state.range(0))];
    for (auto _ : state) {
        state.PauseTiming();
        IniStore store;
        store.Load(s.text);
        state.ResumeTiming();
        benchmark::DoNotOptimize(kestrane::GetVal(store, "Name"));
    }
    state.SetLabel(s.name);
}

void BM_SaveINIFiles(benchmark::State& state) {
    const Sample& s = Samples()[static_cast<size_t>(state.range(0))];
    IniStore user, ut;
    user.Load(s.text);
    ut.Load(Samples()[1 % Samples().size()].text);
    QTemporaryDir dir;
    const std::string folder = platform::ToWindowsPath(dir.path().toStdString()) + "\\";
    for (auto _ : state) {
        kestrane::SaveINIFiles(folder, user, ut, {});
    }
    state.SetLabel(s.name + " + UT2004.ini");
}

void Register() {
    const int n = static_cast<int>(Samples().size());
    for (auto* bm : {benchmark::RegisterBenchmark("ReadAndSplit", BM_ReadAndSplit),
                     benchmark::RegisterBenchmark("ReadSplitParse", BM_ReadSplitParse),
                     benchmark::RegisterBenchmark("500GetVal", BM_500GetVal),
                     benchmark::RegisterBenchmark("FirstLookupAfterLoad", BM_FirstLookupAfterLoad),
                     benchmark::RegisterBenchmark("SaveINIFiles", BM_SaveINIFiles)}) {
        bm->DenseRange(0, n - 1)->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
