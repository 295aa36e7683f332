#include <array>

#include "editor/binding/areas.h"

namespace kestrane {
namespace {

constexpr BindingRow Comm(std::string_view key, int index, int n) {
    return BindingRow{IniFile::User, key, {}, ControlRef{"tbx_Comm", index}, Form::TextLeft, n};
}

// A value beyond a box's limits loads as the file holds it; the limits act on edits.
constexpr std::array<BindingRow, 12> kRows = {{
    Comm("TextToSpeechVoiceVolume", 0, 1),
    Comm("AnnouncerVolume", 1, 1),
    Comm("AnnouncerLevel", 2, 1),
    Comm("AmbientSoundScaling", 3, 3),
    Comm("HudOpacity", 4, 3),
    Comm("HudScale", 5, 1),
    Comm("ConsoleMessageCount", 6, 2),
    Comm("ConsoleFontSize", 7, 2),
    Comm("MessageFontOffset", 8, 2),
    Comm("DynamicPingThreshold", 9, 3),
    Comm("ConfiguredInternetSpeed", 10, 5),
    Comm("ConfiguredLanSpeed", 11, 5),
}};

}  // namespace

const AreaBinding& CommNumbersArea() {
    static const AreaBinding area{.rows = kRows};
    return area;
}

}  // namespace kestrane
