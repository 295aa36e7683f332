// A whole Patchwell run as a player meets it, as a process per iteration: the window's start
// and its clean-up, the list, the download of one archive from a server in its own process
// (python's http.server on 127.0.0.1), its unpacking into the program folder over the files
// the last round wrote, and its removal. The archives are the unzip benchmarks' (13 entries of
// 4 MB; 1,536 files of 32 KB). The fixed pauses of a run are cut to a millisecond. Counters:
// CPU and peak memory of the process.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdlib>

#include "bench/updater/bench_archives.h"

namespace {

using patchwell::bench::Archive;
using patchwell::bench::kLarge;
using patchwell::bench::kSmall;
using patchwell::bench::ProcessCost;
using patchwell::bench::RunProcess;
using patchwell::bench::Shape;
using patchwell::bench::Work;

// The server of the lists and archives in Work(), started on first use.
class Server {
  public:
    Server() {
        server_.setWorkingDirectory(Work().path());
        server_.start("python3", {"-u", "-m", "http.server", "--bind", "127.0.0.1", "0"});
        // "Serving HTTP on 127.0.0.1 port 12345 (http://127.0.0.1:12345/) ..."
        while (port_.isEmpty() && server_.waitForReadyRead(10000)) {
            const QByteArray line = server_.readLine();
            const int at = line.indexOf(" port ");
            if (at >= 0) port_ = line.mid(at + 6, line.indexOf(' ', at + 6) - at - 6);
        }
        if (port_.isEmpty()) std::abort();
    }
    ~Server() {
        server_.kill();
        server_.waitForFinished();
    }
    std::string Url(const QString& name) const {
        return "http://127.0.0.1:" + port_.toStdString() + "/" + name.toStdString();
    }

  private:
    QProcess server_;
    QByteArray port_;
};

Server& TheServer() {
    static Server server;
    return server;
}

void WholeRun(benchmark::State& state, const Shape& shape) {
    const QString archive = QFileInfo(Archive(shape)).fileName();
    Server& server = TheServer();
    const QString list = QString("list_") + shape.name + ".txt";
    QFile listFile(Work().path() + "/" + list);
    if (!listFile.open(QIODevice::WriteOnly)) std::abort();
    listFile.write(QByteArray::fromStdString("0\r\n\\Maps\\Pack.zip, PackMarker, 1, 32767, " +
                                             server.Url(archive) + "\r\n"));
    listFile.close();
    const QString program = Work().path() + "/program_" + shape.name;
    QDir().mkpath(program);
    const std::vector<std::string> command = {
        (QCoreApplication::applicationDirPath() + "/patchwell_run").toStdString(), server.Url(list),
        program.toStdString()};
    double cpu = 0, peak = 0, wall = 0;
    for (auto _ : state) {
        // The marker of the last round would make the entry current.
        QFile::remove(program + "/update/PackMarker");
        const ProcessCost cost = RunProcess(command);
        if (!cost.ok) {
            state.SkipWithError("the run failed");
            break;
        }
        state.SetIterationTime(cost.wallMs / 1000.0);
        wall += cost.wallMs;
        cpu += cost.cpuMs;
        peak = std::max(peak, cost.peakMB);
    }
    const double n =
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    const int64_t files = shape.folders * shape.filesPerFolder;
    state.SetBytesProcessed(state.iterations() * files * shape.fileBytes);
    state.counters["files"] = static_cast<double>(files);
    state.counters["cpu_ms"] = cpu / n;
    state.counters["peak_MB"] = peak;
}

const bool kRegistered = [] {
    for (const Shape* shape : {&kLarge, &kSmall}) {
        benchmark::RegisterBenchmark((std::string("BM_WholeRun_") + shape->name).c_str(),
                                     [shape](benchmark::State& state) { WholeRun(state, *shape); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->MinTime(3);
    }
    return true;
}();

}  // namespace
