#include "bench/updater/bench_archives.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <zip.h>

#include <QByteArray>
#include <QFile>
#include <chrono>
#include <cstring>
#include <random>

extern char** environ;

namespace patchwell::bench {
namespace {

// Packed game files deflate little: random words with a blank one in eight.
QByteArray GameFileBytes(qsizetype size, std::mt19937_64& random) {
    QByteArray data(size, '\0');
    for (qsizetype at = 0; at < size; at += 8) {
        const uint64_t word = (at / 8) % 8 == 7 ? 0x2020202020202020ull : random();
        memcpy(data.data() + at, &word, static_cast<size_t>(std::min<qsizetype>(8, size - at)));
    }
    return data;
}

}  // namespace

QTemporaryDir& Work() {
    static QTemporaryDir dir;
    return dir;
}

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

// The peak comes from GNU time: a process started from this large one would count its size.
ProcessCost RunProcess(const std::vector<std::string>& command) {
    const QString peakFile = Work().path() + "/peak_kb";
    std::vector<std::string> args = {"/usr/bin/time", "-f", "%M", "-o", peakFile.toStdString()};
    args.insert(args.end(), command.begin(), command.end());
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ProcessCost cost;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return cost;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return cost;
    cost.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    cost.cpuMs = usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
                 usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
    QFile peak(peakFile);
    if (peak.open(QIODevice::ReadOnly)) cost.peakMB = peak.readAll().trimmed().toDouble() / 1024;
    return cost;
}

}  // namespace patchwell::bench
