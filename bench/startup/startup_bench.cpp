// The editor's start as a player waits for it: from process start to the first paint of its
// main window, the real Kestrane_INI beside a bare Qt Widgets program (a main window with a
// twelve-page tab widget), both whole processes measured the same way. A probe preloaded into
// each reports the first paint; the editor's splash gets a key press as soon as it is painted,
// so its 4-second timer is kept out. Each iteration starts both programs, one after the other,
// so the ratio ("x_bare") is taken under the same load.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"

extern char** environ;

namespace {

using kestrane::test::TempPrefix;

struct Run {
    double wallSeconds = 0;
    double cpuSeconds = 0;  // user and system time of the child
};

// A program and the Wine prefix it runs in.
struct Program {
    std::string path;
    std::string winePrefix;
};

// Starts the program with the probe preloaded and waits for its "painted" line; nullopt when
// it ended without one.
std::optional<Run> RunToFirstPaint(const Program& program) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (!entry.starts_with("LD_PRELOAD=") && !entry.starts_with("QT_QPA_PLATFORM=") &&
            !entry.starts_with("WINEPREFIX=")) {
            env.push_back(entry);
        }
    }
    env.push_back(std::string("LD_PRELOAD=") + FIRST_PAINT_PROBE);
    env.push_back("WINEPREFIX=" + program.winePrefix);
    const char* platform = std::getenv("KESTRANE_BENCH_PLATFORM");
    env.push_back(std::string("QT_QPA_PLATFORM=") + (platform ? platform : "offscreen"));
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);

    int out[2];
    if (::pipe(out) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string path = program.path;
    char* argv[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return std::nullopt;
    }
    std::string said;
    char buffer[64];
    while (said.find('\n') == std::string::npos) {
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        said.append(buffer, static_cast<size_t>(n));
    }
    const auto painted = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!said.starts_with("painted")) return std::nullopt;
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return Run{std::chrono::duration<double>(painted - start).count(),
               seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

std::optional<std::string> RealFile(const char* relative) {
    const auto folder = kestrane::test::RealFixturesFolder();
    if (!folder) return std::nullopt;
    QFile file(QString::fromStdString(*folder + "/" + relative));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return kestrane::test::ToCrLf(file.readAll().toStdString());
}

// A player's pair of files, and the largest real User.ini (717 kB, 8,129 lines).
constexpr const char* kTypicalUser = "thomasns__UT2004SteamDeckConfigs/User.ini";
constexpr const char* kTypicalUt2004 = "thomasns__UT2004SteamDeckConfigs/UT2004.ini";
constexpr const char* kLargestUser = "dantrevino__ut2k4/System/User.ini";

// `base` grown to `bytes` and `lines` by a favourites list repeated section after section, as
// a player who keeps many servers has it.
std::string WithServerLists(std::string text, size_t bytes, size_t lines) {
    constexpr size_t kPerSection = 20;
    const std::string header = "[GUI2K4.UT2K4Browser_FavoritesList]\r\n";
    size_t have = 0;
    for (char c : text) have += c == '\n' ? 1 : 0;
    const size_t sections = (lines - have + kPerSection) / (kPerSection + 1);
    const size_t perLine =
        (bytes - text.size() - sections * header.size()) / (lines - have - sections);
    for (int section = 0; have < lines; ++section) {
        text += header;
        ++have;
        for (size_t k = 0; k < kPerSection && have < lines; ++k, ++have) {
            std::string line = "Favorites=(IP=\"72.5." + std::to_string(section % 250) + "." +
                               std::to_string(k) + "\",Port=7777,QueryPort=7778,ServerName=\"";
            const size_t tail = std::string("\")\r\n").size();
            line += std::string(perLine > line.size() + tail ? perLine - line.size() - tail : 1,
                                static_cast<char>('a' + k % 26));
            text += line + "\")\r\n";
        }
    }
    return text;
}

// Where the editor runs from: a copy of the built program in the prefix's program folder, with
// the pictures it reads beside itself and a Kestrane.ini naming a profile.
std::unique_ptr<TempPrefix> Installation(const std::string& user, const std::string& ut2004,
                                         int maps) {
    auto prefix = std::make_unique<TempPrefix>();
    prefix->Write("UT2004/System/User.ini", user);
    prefix->Write("UT2004/System/UT2004.ini", ut2004);
    prefix->Write("Kestrane/Kestrane.ini",
                  "Music=OFF\r\nProfileName=Bench\r\nCacheDelete=False\r\n");
    const QString program = QString::fromStdString(prefix->ProgramFolder());
    QFile::copy(EDITOR_PROGRAM, program + "/Kestrane_INI");
    QDir().mkpath(program + "/Images");
    QFile::copy(QString::fromStdString(kestrane::test::BuiltProgramFolder()) + "/Images/Splash.png",
                program + "/Images/Splash.png");
    const QString mapsFolder = QString::fromStdString(prefix->GameFolder()) + "/Maps/";
    for (int i = 0; i < maps; ++i) {
        QFile map(mapsFolder + QString("DM-Map%1.ut2").arg(i, 5, 10, QChar('0')));
        if (map.open(QIODevice::WriteOnly)) map.write("map");
    }
    return prefix;
}

Program EditorIn(const TempPrefix& prefix) {
    return {prefix.ProgramFolder() + "/Kestrane_INI", prefix.Root()};
}

// Each iteration runs `reference` and then `measured`; the iteration's time is the measured
// program's, and "x_reference" the ratio of the two sums.
void Alternate(benchmark::State& state, const Program& reference, const Program& measured,
               const char* ratioName) {
    double referenceWall = 0;
    double measuredWall = 0;
    double measuredCpu = 0;
    for (auto _ : state) {
        const auto before = RunToFirstPaint(reference);
        const auto run = RunToFirstPaint(measured);
        if (!before || !run) {
            state.SkipWithError("a program ended before its main window was painted");
            return;
        }
        referenceWall += before->wallSeconds;
        measuredWall += run->wallSeconds;
        measuredCpu += run->cpuSeconds;
        state.SetIterationTime(run->wallSeconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters[ratioName] = measuredWall / referenceWall;
    state.counters["reference_ms"] = referenceWall / n * 1e3;
    state.counters["cpu_ms"] = measuredCpu / n * 1e3;
}

enum class Files { Typical, LargestReal, Generated, Generated16 };

void StartUp(benchmark::State& state, Files files) {
    auto user = RealFile(files == Files::LargestReal ? kLargestUser : kTypicalUser);
    auto ut2004 = RealFile(kTypicalUt2004);
    if (!user || !ut2004) {
        state.SkipWithError("real fixtures absent");
        return;
    }
    // 1.2 MB in 5,500 lines, and sixteen times that.
    if (files == Files::Generated) *user = WithServerLists(*user, 1'200'000, 5'500);
    if (files == Files::Generated16) *user = WithServerLists(*user, 19'200'000, 88'000);
    auto prefix = Installation(*user, *ut2004, 13);
    state.counters["user_ini_kB"] = static_cast<double>(user->size()) / 1e3;
    Alternate(state, {BARE_WINDOW, prefix->Root()}, EditorIn(*prefix), "x_bare");
}
BENCHMARK_CAPTURE(StartUp, typical_files, Files::Typical)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, largest_real_user_ini, Files::LargestReal)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, user_ini_1_2MB, Files::Generated)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, user_ini_19MB, Files::Generated16)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The start with a map collection in Maps beside the start with the 13 maps a stock game
// has ("x_13_maps").
void StartUpWithMaps(benchmark::State& state) {
    auto user = RealFile(kTypicalUser);
    auto ut2004 = RealFile(kTypicalUt2004);
    if (!user || !ut2004) {
        state.SkipWithError("real fixtures absent");
        return;
    }
    auto few = Installation(*user, *ut2004, 13);
    auto many = Installation(*user, *ut2004, static_cast<int>(state.range(0)));
    Alternate(state, EditorIn(*few), EditorIn(*many), "x_13_maps");
}
BENCHMARK(StartUpWithMaps)
    ->Arg(13)
    ->Arg(1'000)
    ->Arg(50'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
