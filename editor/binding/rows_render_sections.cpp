#include <array>
#include <string>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"
#include "editor/binding/key_searches.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

constexpr std::string_view kD3D = "[D3DDrv.D3DRenderDevice]";
constexpr std::string_view kD3D9 = "[D3D9Drv.D3D9RenderDevice]";
constexpr std::string_view kOpenGL = "[OpenGLDrv.OpenGLRenderDevice]";
constexpr std::string_view kNull = "[Engine.NullRenderDevice]";
constexpr std::string_view kPixo = "[PixoDrv.PixoRenderDevice]";

// The Direct3D frame's rows; their section is the one the last load chose.
struct DeviceRow {
    std::string_view key;
    ControlRef control;
    Form form;
    int n = 0;
};

constexpr std::array<DeviceRow, 29> kDirect3D = {{
    {"DetailTextures", {"c_D3D", 0}, Form::Flag},
    {"HighDetailActors", {"c_D3D", 1}, Form::Flag},
    {"SuperHighDetailActors", {"c_D3D", 2}, Form::Flag},
    {"UsePrecaching", {"c_D3D", 3}, Form::Flag},
    {"UseTrilinear", {"c_D3D", 4}, Form::Flag},
    {"ReduceMouseLag", {"c_D3D", 5}, Form::Flag},
    {"UseTripleBuffering", {"c_D3D", 6}, Form::Flag},
    {"UseHardwareTL", {"c_D3D", 7}, Form::Flag},
    {"UseHardwareVS", {"c_D3D", 8}, Form::Flag},
    {"UseCubemaps", {"c_D3D", 9}, Form::Flag},
    {"UseCompressedLightmaps", {"c_D3D", 10}, Form::Flag},
    {"UseStencil", {"c_D3D", 11}, Form::Flag},
    {"Use16bit", {"c_D3D", 12}, Form::Flag},
    {"Use16bitTextures", {"c_D3D", 13}, Form::Flag},
    {"UseVSync", {"c_D3D", 14}, Form::Flag},
    {"UseNPatches", {"c_D3D", 15}, Form::Flag},
    {"CheckForOverflow", {"c_D3D", 16}, Form::Flag},
    {"AvoidHitches", {"c_D3D", 17}, Form::Flag},
    {"LowQualityTerrain", {"c_D3D", 18}, Form::Flag},
    {"ReportUnusedTextures", {"c_D3D", 19}, Form::Flag},
    {"DecompressTextures", {"c_D3D", 20}, Form::Flag},
    {"SkyboxHack", {"c_D3D", 21}, Form::Flag},
    {"OverrideDesktopRefreshRate", {"c_D3D", 22}, Form::Flag},
    {"DesiredRefreshRate", {"tbx_video", 7}, Form::TextLeft, 3},
    {"LevelOfAnisotropy", {"tbx_video", 8}, Form::TextLeft, 3},
    {"DetailTexMipBias", {"tbx_video", 9}, Form::TextLeft, 4},
    {"DefaultTexMipBias", {"tbx_video", 10}, Form::TextLeft, 4},
    {"TesselationFactor", {"tbx_video", 11}, Form::TextLeft, 3},
    {"TerrainLOD", {"tbx_video", 12}, Form::TextLeft, 3},
}};

constexpr BindingRow Row(std::string_view key, std::string_view section, ControlRef control,
                         Form form, int n = 0, bool number = false) {
    return BindingRow{IniFile::UT2004, key, section, control, form, n, number};
}

// The OpenGL, Software (null device) and Pixomatic frames, in their fixed sections.
constexpr std::array<BindingRow, 40> kFixed = {{
    Row("DetailTextures", kOpenGL, {"c_OpenGL", 0}, Form::Flag),
    Row("HighDetailActors", kOpenGL, {"c_OpenGL", 1}, Form::Flag),
    Row("SuperHighDetailActors", kOpenGL, {"c_OpenGL", 2}, Form::Flag),
    Row("UsePrecaching", kOpenGL, {"c_OpenGL", 3}, Form::Flag),
    Row("UseCompressedLightmaps", kOpenGL, {"c_OpenGL", 4}, Form::Flag),
    Row("UseTrilinear", kOpenGL, {"c_OpenGL", 5}, Form::Flag),
    Row("UseStencil", kOpenGL, {"c_OpenGL", 6}, Form::Flag),
    Row("ReduceMouseLag", kOpenGL, {"c_OpenGL", 7}, Form::Flag),
    Row("UseVSync", kOpenGL, {"c_OpenGL", 8}, Form::Flag),
    Row("UseVBO", kOpenGL, {"c_OpenGL", 9}, Form::Flag),
    Row("MaxTextureUnits", kOpenGL, {"tbx_video", 13}, Form::TextLeft, 3),
    Row("LevelOfAnisotropy", kOpenGL, {"tbx_video", 14}, Form::TextLeft, 3),
    Row("DetailTexMipBias", kOpenGL, {"tbx_video", 15}, Form::TextLeft, 3),
    Row("VARSize", kOpenGL, {"tbx_video", 16}, Form::TextLeft, 3),
    Row("AppleVA", kOpenGL, {"tbx_video", 17}, Form::TextLeft, 3),
    Row("DefaultTexMipBias", kOpenGL, {"tbx_video", 18}, Form::TextLeft, 4),
    Row("DetailTextures", kNull, {"c_Software", 0}, Form::Flag),
    Row("HighDetailActors", kNull, {"c_Software", 1}, Form::Flag),
    Row("SuperHighDetailActors", kNull, {"c_Software", 2}, Form::Flag),
    Row("UseCompressedLightmaps", kNull, {"c_Software", 3}, Form::Flag),
    Row("UsePrecaching", kNull, {"c_Software", 4}, Form::Flag),
    Row("UseStencil", kNull, {"c_Software", 5}, Form::Flag),
    Row("FogEnabled", kPixo, {"c_Pixo", 0}, Form::Flag),
    Row("Zoom2X", kPixo, {"c_Pixo", 1}, Form::Flag),
    Row("SimpleMaterials", kPixo, {"c_Pixo", 2}, Form::Flag),
    Row("LimitTextureSize", kPixo, {"c_Pixo", 3}, Form::Flag),
    Row("LowQualityTerrain", kPixo, {"c_Pixo", 4}, Form::Flag),
    Row("SkyboxHack", kPixo, {"c_Pixo", 5}, Form::Flag),
    Row("HighDetailActors", kPixo, {"c_Pixo", 6}, Form::Flag),
    Row("SuperHighDetailActors", kPixo, {"c_Pixo", 7}, Form::Flag),
    Row("ReduceMouseLag", kPixo, {"c_Pixo", 8}, Form::Flag),
    Row("Use16bitTextures", kPixo, {"c_Pixo", 9}, Form::Flag),
    Row("Use16bit", kPixo, {"c_Pixo", 10}, Form::Flag),
    Row("UseStencil", kPixo, {"c_Pixo", 11}, Form::Flag),
    Row("UseCompressedLightmaps", kPixo, {"c_Pixo", 12}, Form::Flag),
    Row("DetailTextures", kPixo, {"c_Pixo", 13}, Form::Flag),
    Row("UsePrecaching", kPixo, {"c_Pixo", 14}, Form::Flag),
    Row("TerrainLOD", kPixo, {"tbx_video", 19}, Form::Text, 0, true),
    Row("FilterQuality3D", kPixo, {"tbx_video", 20}, Form::Text, 0, true),
    Row("FilterQualityHUD", kPixo, {"tbx_video", 21}, Form::Text, 0, true),
}};

BindingRow Direct3DRow(const DeviceRow& d, std::string_view section) {
    return BindingRow{IniFile::UT2004, d.key, section, d.control, d.form, d.n};
}

void LoadDevices(BindingContext& ctx) {
    ProgramState& s = ctx.state;
    s.renderDeviceName = GetVal(s.ut2004, "RenderDevice");
    s.renderDeviceSection =
        std::string(EqualsNoCase(s.renderDeviceName, "D3D9Drv.D3D9RenderDevice") ? kD3D9 : kD3D);
    for (const DeviceRow& d : kDirect3D) LoadRow(ctx, Direct3DRow(d, s.renderDeviceSection));
    for (const BindingRow& row : kFixed) LoadRow(ctx, row);
}

void SaveDevices(BindingContext& ctx) {
    ProgramState& s = ctx.state;
    if (s.renderDeviceSection.empty()) s.renderDeviceSection = std::string(kD3D);
    for (const DeviceRow& d : kDirect3D) SaveRow(ctx, Direct3DRow(d, s.renderDeviceSection));
    for (const BindingRow& row : kFixed) SaveRow(ctx, row);
}

}  // namespace

const AreaBinding& RenderSectionsArea() {
    static const AreaBinding area{
        .rows = {},
        .beforeLoad = LoadDevices,
        .beforeSave = SaveDevices,
    };
    return area;
}

}  // namespace kestrane
