#include "editor/binding/render_device_run.h"

#include <algorithm>

#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

constexpr std::string_view kActive = "RenderDevice";
constexpr std::string_view kCommented = ";RenderDevice";

// The game reads keys without regard to case: "renderdevice" is an active line too.
bool IsActiveKey(std::string_view key) {
    return EqualsNoCase(key, kActive);
}

bool IsRunKey(std::string_view key) {
    return IsActiveKey(key) || EqualsNoCase(key, kCommented);
}

}  // namespace

std::optional<RenderDeviceRun> FindRenderDeviceRun(const IniStore& store) {
    const auto active = store.FindKey(kActive);
    const auto commented = store.FindKey(kCommented);
    if (!active && !commented) return std::nullopt;
    const size_t first =
        std::min(active.value_or(commented.value_or(0)), commented.value_or(active.value_or(0)));
    size_t last = first;
    while (last + 1 < store.RowCount() && store.Kind(last + 1) == RowKind::KeyLine &&
           IsRunKey(store.Key(last + 1))) {
        ++last;
    }
    return RenderDeviceRun{first, last};
}

int RenderOptionOf(std::string_view deviceClass) {
    if (EqualsNoCase(deviceClass, "D3DDrv.D3DRenderDevice") ||
        EqualsNoCase(deviceClass, "D3D9Drv.D3D9RenderDevice")) {
        return 0;
    }
    if (EqualsNoCase(deviceClass, "OpenGLDrv.OpenGLRenderDevice")) return 1;
    if (EqualsNoCase(deviceClass, "PixoDrv.PixoRenderDevice")) return 2;
    return -1;
}

std::optional<size_t> RenderDeviceLine(const IniStore& store, int option) {
    const auto run = FindRenderDeviceRun(store);
    if (!run || option < 0) return std::nullopt;
    std::optional<size_t> target;
    for (size_t row = run->first; row <= run->last; ++row) {
        if (RenderOptionOf(store.Value(row)) != option) continue;
        if (!target) target = row;
        if (IsActiveKey(store.Key(row))) return row;
    }
    return target;
}

bool ActivateRenderDevice(IniStore& store, int option) {
    const auto target = RenderDeviceLine(store, option);
    if (!target) return false;
    const auto run = FindRenderDeviceRun(store);
    bool changed = false;
    for (size_t row = run->first; row <= run->last; ++row) {
        // An active line that stays active keeps its own spelling; a commented one stays.
        const bool active = IsActiveKey(store.Key(row));
        if ((row == *target) == active) continue;
        store.SetKey(row, std::string(row == *target ? kActive : kCommented));
        changed = true;
    }
    return changed;
}

}  // namespace kestrane
