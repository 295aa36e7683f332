#include "editor/binding/render_device_run.h"

#include <algorithm>

#include "editor/binding/key_searches.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

constexpr std::string_view kActive = "RenderDevice";
constexpr std::string_view kCommented = ";RenderDevice";

bool IsRunKey(const std::string& key) {
    return key == kActive || key == kCommented;
}

}  // namespace

std::optional<RenderDeviceRun> FindRenderDeviceRun(const IniStore& store) {
    const auto active = FindKey(store, kActive);
    const auto commented = FindKey(store, kCommented);
    if (!active && !commented) return std::nullopt;
    const size_t first =
        std::min(active.value_or(commented.value_or(0)), commented.value_or(active.value_or(0)));
    size_t last = first;
    while (last + 1 < store.RowCount() && IsRunKey(store.Key(last + 1))) ++last;
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

bool ActivateRenderDevice(IniStore& store, int option) {
    const auto run = FindRenderDeviceRun(store);
    if (!run || option < 0) return false;
    std::optional<size_t> target;
    for (size_t row = run->first; row <= run->last; ++row) {
        if (RenderOptionOf(store.Value(row)) != option) continue;
        if (!target) target = row;
        if (store.Key(row) == kActive) {
            target = row;
            break;
        }
    }
    if (!target) return false;
    bool changed = false;
    for (size_t row = run->first; row <= run->last; ++row) {
        const std::string_view key = row == *target ? kActive : kCommented;
        if (store.Key(row) == key) continue;
        store.SetKey(row, std::string(key));
        changed = true;
    }
    return changed;
}

}  // namespace kestrane
