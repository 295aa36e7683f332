// Patchwell's unpacking beside Info-ZIP's `unzip -o -j`, both as whole processes on the same
// archive into a folder of their own, every round replacing the files the last one wrote, as
// an update does: 13 entries of 4 MB, and 1,536 files of 32 KB in 24 folders. Patchwell syncs
// every file before it replaces the old one; unzip syncs nothing, so it also runs followed by
// `sync` of the files it wrote. Counters: CPU and peak memory of the processes (for the
// synced unzip, of the larger of unzip and sync).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>

#include "bench/updater/bench_archives.h"

namespace {

using patchwell::bench::Archive;
using patchwell::bench::kLarge;
using patchwell::bench::kSmall;
using patchwell::bench::ProcessCost;
using patchwell::bench::RunProcess;
using patchwell::bench::Shape;
using patchwell::bench::Work;

enum class Tool { Patchwell, Unzip, UnzipThenSync };

std::vector<std::string> Command(Tool tool, const QString& archive, const QString& folder) {
    const std::string zip = archive.toStdString(), out = folder.toStdString();
    switch (tool) {
        case Tool::Patchwell:
            return {(QCoreApplication::applicationDirPath() + "/patchwell_unzip").toStdString(),
                    zip, out};
        case Tool::Unzip:
            return {"unzip", "-o", "-j", "-q", zip, "-d", out};
        case Tool::UnzipThenSync:
            return {"sh", "-c", "unzip -o -j -q \"$0\" -d \"$1\" && sync \"$1\"/* \"$1\"", zip,
                    out};
    }
    return {};
}

void Unpack(benchmark::State& state, const Shape& shape, Tool tool) {
    const QString archive = Archive(shape);
    const QString folder =
        Work().path() + "/out_" + shape.name + "_" + QString::number(static_cast<int>(tool));
    QDir().mkpath(folder);
    const std::vector<std::string> command = Command(tool, archive, folder);
    double cpu = 0, peak = 0;
    for (auto _ : state) {
        const ProcessCost cost = RunProcess(command);
        if (!cost.ok) state.SkipWithError("the unpacking failed");
        cpu += cost.cpuMs;
        peak = std::max(peak, cost.peakMB);
    }
    const int64_t files = shape.folders * shape.filesPerFolder;
    state.SetBytesProcessed(state.iterations() * files * shape.fileBytes);
    state.counters["files"] = static_cast<double>(files);
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = peak;
}

// Side by side: each shape's three runs follow one another, so a change of load meets all.
const bool kRegistered = [] {
    const std::pair<Tool, const char*> tools[] = {{Tool::Patchwell, "Patchwell"},
                                                  {Tool::Unzip, "InfoZip"},
                                                  {Tool::UnzipThenSync, "InfoZipThenSync"}};
    for (const Shape* shape : {&kLarge, &kSmall}) {
        for (const auto& [tool, name] : tools) {
            benchmark::RegisterBenchmark(
                (std::string("BM_Unzip_") + shape->name + "_" + name).c_str(),
                [shape, tool = tool](benchmark::State& state) { Unpack(state, *shape, tool); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(3);
        }
    }
    return true;
}();

}  // namespace
