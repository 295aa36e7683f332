// Patchwell's unpacking beside Info-ZIP's `unzip -o -j`, both as whole processes on the same
// archive into a folder of their own, every round replacing the files the last one wrote, as
// an update does: 13 entries of 4 MB, and 1,536 files of 32 KB in 24 folders. Patchwell syncs
// every file before it replaces the old one; unzip syncs nothing, so it also runs followed by
// `sync` of the files it wrote. Counters: CPU and peak memory of the processes (for the
// synced unzip, of the larger of unzip and sync).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <zip.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <random>

extern char** environ;

namespace {

struct Shape {
    const char* name;
    int folders;
    int filesPerFolder;
    qsizetype fileBytes;
};
constexpr Shape kLarge{"Large", 1, 13, 4 << 20};
constexpr Shape kSmall{"SmallFiles", 24, 64, 32 << 10};

// Packed game files deflate little: random words with a blank one in eight.
QByteArray GameFileBytes(qsizetype size, std::mt19937_64& random) {
    QByteArray data(size, '\0');
    for (qsizetype at = 0; at < size; at += 8) {
        const uint64_t word = (at / 8) % 8 == 7 ? 0x2020202020202020ull : random();
        memcpy(data.data() + at, &word, static_cast<size_t>(std::min<qsizetype>(8, size - at)));
    }
    return data;
}

QTemporaryDir& Work() {
    static QTemporaryDir dir;
    return dir;
}

// Made on first use: compressing takes seconds.
QString Archive(const Shape& shape) {
    const QString path = Work().path() + "/" + shape.name + ".zip";
    if (QFile::exists(path)) return path;
    std::mt19937_64 random(7);
    std::vector<QByteArray> files;
    int error = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (int f = 0; f < shape.folders; ++f) {
        for (int i = 0; i < shape.filesPerFolder; ++i) {
            files.push_back(GameFileBytes(shape.fileBytes, random));
            // Names stay unique once laid flat.
            const std::string name = "Pack" + std::to_string(f) + "/file" +
                                     std::to_string(f * shape.filesPerFolder + i) + ".ut2";
            zip_source_t* src =
                zip_source_buffer(za, files.back().constData(), files.back().size(), 0);
            zip_file_add(za, name.c_str(), src, 0);
        }
    }
    zip_close(za);
    return path;
}

// One process run to its end, with its own CPU time and peak memory.
struct ProcessCost {
    bool ok = false;
    double cpuMs = 0;
    double peakMB = 0;
};

// The peak comes from GNU time: a process started from this large one would count its size.
ProcessCost RunProcess(const std::vector<std::string>& command) {
    const QString peakFile = Work().path() + "/peak_kb";
    std::vector<std::string> args = {"/usr/bin/time", "-f", "%M", "-o", peakFile.toStdString()};
    args.insert(args.end(), command.begin(), command.end());
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ProcessCost cost;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return cost;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return cost;
    cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    cost.cpuMs = usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
                 usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
    QFile peak(peakFile);
    if (peak.open(QIODevice::ReadOnly)) cost.peakMB = peak.readAll().trimmed().toDouble() / 1024;
    return cost;
}

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
