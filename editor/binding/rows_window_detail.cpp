#include <array>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"

namespace kestrane {
namespace {

constexpr std::string_view kClient = "[WinDrv.WindowsClient]";

constexpr BindingRow Client(std::string_view key, ControlRef control, Form form, int n = 0) {
    return BindingRow{IniFile::UT2004, key, kClient, control, form, n};
}

constexpr std::array<BindingRow, 23> kRows = {{
    Client("StartupFullscreen", {"c_Video", 0}, Form::Flag),
    Client("ScreenFlashes", {"c_Video", 1}, Form::Flag),
    Client("Projectors", {"c_Video", 2}, Form::Flag),
    Client("NoLighting", {"c_Video", 3}, Form::Flag),
    Client("Decals", {"c_Video", 4}, Form::Flag),
    Client("Coronas", {"c_Video", 5}, Form::Flag),
    Client("DecoLayers", {"c_Video", 6}, Form::Flag),
    Client("WeatherEffects", {"c_Video", 7}, Form::Flag),
    Client("NoDynamicLights", {"c_Video", 8}, Form::Flag),
    Client("ReportDynamicUploads", {"c_Video", 9}, Form::Flag),
    Client("NoFractalAnim", {"c_Video", 10}, Form::Flag),
    Client("UseSpeechRecognition", {"c_Video", 11}, Form::Flag),
    Client("AnimMeshDynamicLOD", {"tbx_video", 3}, Form::TextLeft, 3),
    Client("TextureMaxLOD", {"tbx_video", 4}, Form::TextLeft, 3),
    Client("TextureMinLOD", {"tbx_video", 5}, Form::TextLeft, 3),
    Client("DrawDistanceLOD", {"tbx_video", 6}, Form::TextLeft, 3),
    Client("TextureDetailInterface", {"cbx_Video", 2}, Form::Text),
    Client("TextureDetailTerrain", {"cbx_Video", 3}, Form::Text),
    Client("TextureDetailWeaponSkin", {"cbx_Video", 4}, Form::Text),
    Client("TextureDetailPlayerSkin", {"cbx_Video", 5}, Form::Text),
    Client("TextureDetailWorld", {"cbx_Video", 6}, Form::Text),
    Client("TextureDetailRenderMap", {"cbx_Video", 7}, Form::Text),
    Client("TextureDetailLightmap", {"cbx_Video", 8}, Form::Text),
}};

}  // namespace

const AreaBinding& WindowDetailArea() {
    static const AreaBinding area{.rows = kRows};
    return area;
}

}  // namespace kestrane
