// The load and save walks on the real files inside one editor process (the start-up as a
// player waits for it is bench/startup).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <memory>

#include "editor/binding/name_tables.h"
#include "editor/binding/priority_order.h"
#include "editor/binding/settings_walks.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "editor/store/weapon_priority_sort.h"
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

// The priorities a save deals out once the weapon in row `moved` went up one row: the list
// ranked by the file's priorities (weapon j of the table has priorities[j]), the two rows'
// weapons exchanged, each row dealt the number read for it. An order that reads back as dealt,
// the real file's tie at 15 with Flak Cannon moved past Rocket Launcher, and thirteen weapons
// tied, which takes every tried change and then the renumbering.
void WeaponOrder(benchmark::State& state, std::vector<int> priorities, size_t moved) {
    std::array<std::string, 17> names;
    std::array<std::string, 17> values;
    for (size_t j = 0; j < names.size(); ++j) {
        names[j] = std::string(WeaponSections[j].display);
        values[j] = std::to_string(priorities[j]);
    }
    SortWeaponPriority(names, values, true);  // as the load ranks them
    std::vector<PriorityRow> list;
    for (size_t j = 0; j < names.size(); ++j) list.push_back({names[j], true, values[j], false});
    std::swap(list[moved].weapon, list[moved - 1].weapon);
    list[moved].moved = list[moved - 1].moved = true;
    for (auto _ : state) benchmark::DoNotOptimize(TextsKeepingOrder(list));
}
BENCHMARK_CAPTURE(WeaponOrder, reads_back,
                  {17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 6)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WeaponOrder, real_tie_flak_up,
                  {16, 15, 15, 12, 11, 14, 13, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WeaponOrder, thirteen_tied, {9, 5, 5, 5, 9, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 1},
                  8)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
