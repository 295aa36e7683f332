// The render-device lines of UT2004.ini: a block of consecutive lines keyed "RenderDevice"
// (the active device) or ";RenderDevice" (commented out), each naming a device class.
#pragma once

#include <optional>
#include <string_view>

#include "editor/store/ini_store.h"

namespace kestrane {

// Lines first to last, inclusive.
struct RenderDeviceRun {
    size_t first;
    size_t last;
};

// The block from the first line keyed "RenderDevice" or ";RenderDevice" (in any letter case,
// as the game reads keys), of whatever length; nothing when the file has no such line.
std::optional<RenderDeviceRun> FindRenderDeviceRun(const IniStore& store);

// The RenOption button a device class stands for (ignoring case): 0 Direct3D (either class),
// 1 OpenGL, 2 Pixomatic; -1 for any other class.
int RenderOptionOf(std::string_view deviceClass);

// The line of the run a choice of `option` makes active: the active line of that device, else
// its first line in the run; nothing when the run holds no such device.
std::optional<size_t> RenderDeviceLine(const IniStore& store, int option);

// Makes RenderDeviceLine the only active line of the run, renaming keys inside the run only;
// values and every other line stay. Nothing changes when the run holds no such device. True
// when a key changed.
bool ActivateRenderDevice(IniStore& store, int option);

}  // namespace kestrane
