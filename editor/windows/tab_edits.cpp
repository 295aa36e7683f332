#include "editor/windows/tab_edits.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "editor/windows/control_registry.h"

namespace kestrane {
namespace {

constexpr std::array<std::string_view, 3> kNoSetting = {"RTB_User", "tbxSearch",
                                                        "cbx_Search_UserINI"};

}  // namespace

ControlSnapshot TakeSnapshot(const ControlRegistry& controls) {
    ControlSnapshot snapshot;
    controls.ForEach([&](const std::string& name, int index, QWidget*) {
        if (std::ranges::find(kNoSetting, name) != kNoSetting.end()) return;
        const ControlRef ref{name, index};
        snapshot[{name, index}] = ShownValue{controls.Text(ref), controls.Value(ref)};
    });
    return snapshot;
}

bool HasUnsavedTabEdits(const ControlRegistry& controls, const ControlSnapshot& asLoaded) {
    return TakeSnapshot(controls) != asLoaded;
}

}  // namespace kestrane
