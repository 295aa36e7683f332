// The archives the updater's benchmarks unpack, and a process run to its end with its cost.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace patchwell::bench {

struct Shape {
    const char* name;
    int folders;
    int filesPerFolder;
    qsizetype fileBytes;
};
// 13 entries of 4 MB, and 1,536 files of 32 KB in 24 folders.
inline constexpr Shape kLarge{"Large", 1, 13, 4 << 20};
inline constexpr Shape kSmall{"SmallFiles", 24, 64, 32 << 10};

// The benchmarks' own temporary folder.
QTemporaryDir& Work();
// The archive of the shape in Work(), made on first use (compressing takes seconds).
QString Archive(const Shape& shape);

// One process run to its end, with its own CPU time and peak memory.
struct ProcessCost {
    bool ok = false;
    double wallMs = 0;
    double cpuMs = 0;
    double peakMB = 0;
};
ProcessCost RunProcess(const std::vector<std::string>& command);

}  // namespace patchwell::bench
