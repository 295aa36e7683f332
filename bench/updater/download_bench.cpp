// Patchwell's download beside curl as a player meets them: a server in its own process
// (python's http.server on 127.0.0.1), and each side a whole process per iteration, on the
// same bytes. Patchwell syncs its file, so curl runs both bare and followed by a sync of its
// file. Each row gives the wall time, the process's CPU and its peak memory (GNU time).
// KESTRANE_BENCH_LOAD=N runs N spinning processes beside it (the "under load" rows).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The sizes downloaded, in MB.
constexpr int kSizesMB[] = {32, 64, 256};

struct Run {
    double wallMs = 0, cpuMs = 0, peakMB = 0;
    bool ok = false;
};

// Runs argv under GNU time, which forks from a small process of its own: a child spawned
// straight from this one would report this process's memory as its peak.
Run RunProcess(const std::vector<std::string>& command, const std::string& report) {
    std::vector<std::string> argv = {"/usr/bin/time", "-f", "%U %S %M", "-o", report};
    argv.insert(argv.end(), command.begin(), command.end());
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return run;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return run;
    run.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    double user = 0, system = 0, peakKB = 0;
    FILE* file = std::fopen(report.c_str(), "r");
    if (!file) return run;
    const bool read = std::fscanf(file, "%lf %lf %lf", &user, &system, &peakKB) == 3;
    std::fclose(file);
    run.cpuMs = (user + system) * 1e3;
    run.peakMB = peakKB / 1024.0;
    run.ok = read && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Mostly random bytes, as packed game files are.
void WritePayload(const QString& path, int megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    std::mt19937 random(static_cast<unsigned>(megabytes));
    std::vector<uint32_t> block(1 << 18);
    for (int i = 0; i < megabytes; ++i) {
        for (uint32_t& word : block) word = random();
        file.write(reinterpret_cast<const char*>(block.data()),
                   static_cast<qint64>(block.size() * sizeof(uint32_t)));
    }
}

class Setup {
  public:
    Setup() {
        for (int mb : kSizesMB) WritePayload(Served(mb), mb);
        server_.setWorkingDirectory(served_.path());
        server_.start("python3", {"-u", "-m", "http.server", "--bind", "127.0.0.1", "0"});
        // "Serving HTTP on 127.0.0.1 port 12345 (http://127.0.0.1:12345/) ..."
        while (port_.isEmpty() && server_.waitForReadyRead(10000)) {
            const QByteArray line = server_.readLine();
            const int at = line.indexOf(" port ");
            if (at >= 0) port_ = line.mid(at + 6, line.indexOf(' ', at + 6) - at - 6);
        }
        if (port_.isEmpty()) std::abort();
        const char* load = std::getenv("KESTRANE_BENCH_LOAD");
        for (int i = 0, n = load ? std::atoi(load) : 0; i < n; ++i) {
            auto* spinner = new QProcess;
            spinner->start("sh", {"-c", "while :; do :; done"});
            spinners_.push_back(spinner);
        }
    }
    ~Setup() {
        for (QProcess* spinner : spinners_) {
            spinner->kill();
            spinner->waitForFinished();
            delete spinner;
        }
        server_.kill();
        server_.waitForFinished();
    }
    std::string Url(int mb) const {
        return "http://127.0.0.1:" + port_.toStdString() + "/" + std::to_string(mb) + ".bin";
    }
    std::string Out(const char* name) const { return (out_.path() + "/" + name).toStdString(); }
    int Load() const { return static_cast<int>(spinners_.size()); }

  private:
    QString Served(int mb) const { return served_.path() + "/" + QString::number(mb) + ".bin"; }

    QTemporaryDir served_, out_;
    QProcess server_;
    QByteArray port_;
    std::vector<QProcess*> spinners_;
};

Setup* g_setup = nullptr;

// Made when a download benchmark first runs, so the other benchmarks of the program pay
// nothing for it.
void EnsureSetup() {
    static Setup setup;
    g_setup = &setup;
}

enum class Side { Patchwell, Curl, CurlSync };

std::vector<std::string> Command(Side side, int mb) {
    EnsureSetup();
    const std::string url = g_setup->Url(mb);
    switch (side) {
        case Side::Patchwell:
            return {KESTRANE_BENCH_DIR "/patchwell_download", url, g_setup->Out("patchwell.bin")};
        case Side::Curl:
            return {"curl", "-s", "-o", g_setup->Out("curl.bin"), url};
        case Side::CurlSync: {
            const std::string out = g_setup->Out("curl_sync.bin");
            return {"sh", "-c", "curl -s -o '" + out + "' '" + url + "' && sync '" + out + "'"};
        }
    }
    return {};
}

void BM_Download(benchmark::State& state, Side side) {
    const int mb = static_cast<int>(state.range(0));
    const std::vector<std::string> command = Command(side, mb);
    double cpu = 0, peak = 0;
    for (auto _ : state) {
        const Run run = RunProcess(command, g_setup->Out("time.txt"));
        if (!run.ok) {
            state.SkipWithError("the download failed");
            break;
        }
        state.SetIterationTime(run.wallMs / 1000.0);
        cpu += run.cpuMs;
        peak = std::max(peak, run.peakMB);
    }
    const double n =
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["cpu_ms"] = cpu / n;
    state.counters["peak_MB"] = peak;
    state.counters["load"] = g_setup->Load();
    state.SetBytesProcessed(state.iterations() * (int64_t{mb} << 20));
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int mb : kSizesMB) b->Arg(mb);
    b->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);
}

BENCHMARK_CAPTURE(BM_Download, Patchwell, Side::Patchwell)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Download, CurlSync, Side::CurlSync)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Download, Curl, Side::Curl)->Apply(Sizes);

}  // namespace
