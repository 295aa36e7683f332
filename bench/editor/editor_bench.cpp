// The load and save walks on the real files inside one editor process (the start-up as a
// player waits for it is bench/startup).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <memory>

#include "editor/binding/settings_walks.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "editor/windows/main/startup.h"
#include "platform/base/paths.h"
#include "tests/support/temp_prefix.h"

namespace {

using namespace kestrane;

std::string CrLf(const QByteArray& data) {
    std::string out;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r')) out.push_back('\r');
        out.push_back(data[i]);
    }
    return out;
}

std::string RealFile(const char* rel) {
    QFile f(QString(KESTRANE_REAL_FIXTURES) + "/" + rel);
    return f.open(QIODevice::ReadOnly) ? CrLf(f.readAll()) : std::string();
}

// A game installation with the largest real files (an 8,129-line User.ini) and a profile, as
// a player's would be.
constexpr const char* kLargest[] = {"dantrevino__ut2k4/System/User.ini",
                                    "dantrevino__ut2k4/System/UT2004.ini"};

std::unique_ptr<test::TempPrefix> MakeInstallation(int copies) {
    auto prefix = std::make_unique<test::TempPrefix>();
    std::string user;
    const std::string one = RealFile(kLargest[0]);
    for (int i = 0; i < copies; ++i) user += one;
    prefix->Write("UT2004/System/User.ini", user);
    prefix->Write("UT2004/System/UT2004.ini", RealFile(kLargest[1]));
    prefix->Write("Kestrane/Kestrane.ini",
                  "Music=OFF\r\nProfileName=Bench\r\nCacheDelete=False\r\n");
    return prefix;
}

// Load and save walks inside one editor, on the real files and on a User.ini ten times as long.
// FileSave is File > Save as a player makes it: a name edited each time, both folders
// written, the stores read back from what was written and the raw boxes shown the files.
enum class Walk { Load, SaveInto, FileSave };

void Walks(benchmark::State& state, Walk walk) {
    if (RealFile("dantrevino__ut2k4/System/User.ini").empty()) {
        state.SkipWithError("real fixtures absent");
        return;
    }
    auto prefix = MakeInstallation(static_cast<int>(state.range(0)));
    ResetState();
    if (ReadKestraneIni() || !MainWindow().Form_Load()) {
        state.SkipWithError("start-up failed");
        return;
    }
    INI& window = MainWindow();
    int round = 0;
    for (auto _ : state) {
        if (walk == Walk::SaveInto) {
            if (!SaveSettingsInto(window, State().gameSystemFolder))
                state.SkipWithError("save failed");
        } else if (walk == Walk::FileSave) {
            window.Controls().SetText({"tbx_Name"}, "Bench" + std::to_string(round++ % 2));
            if (!SaveCurrentSettings(window)) state.SkipWithError("save failed");
        } else {
            BindingContext ctx = window.Binding();
            if (Load_INI_Form(ctx)) state.SkipWithError("load failed");
        }
    }
    DestroyMainWindow();
    ResetState();
}
BENCHMARK_CAPTURE(Walks, Load_INI_Form, Walk::Load)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Walks, SaveSettings_and_SaveINIFiles, Walk::SaveInto)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Walks, FileSave, Walk::FileSave)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
