#include <array>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"

namespace kestrane {
namespace {

constexpr std::string_view kAudio = "[ALAudio.ALAudioSubsystem]";

constexpr BindingRow Audio(std::string_view key, ControlRef control, Form form,
                           bool number = false) {
    return BindingRow{IniFile::UT2004, key, kAudio, control, form, 0, number};
}

constexpr std::array<BindingRow, 24> kRows = {{
    Audio("UseEAX", {"c_Audio", 0}, Form::Flag),
    Audio("Use3DSound", {"c_Audio", 1}, Form::Flag),
    Audio("UseDefaultDriver", {"c_Audio", 2}, Form::Flag),
    Audio("CompatibilityMode", {"c_Audio", 3}, Form::Flag),
    Audio("UsePrecache", {"c_Audio", 4}, Form::Flag),
    Audio("ReverseStereo", {"c_Audio", 5}, Form::Flag),
    Audio("DisablePitch", {"c_Audio", 6}, Form::Flag),
    Audio("LowQualitySound", {"c_Audio", 7}, Form::Flag),
    Audio("UseVoIP", {"c_Audio", 8}, Form::Flag),
    Audio("UseVAD", {"c_Audio", 9}, Form::Flag),
    Audio("UseSpatializedVoice", {"c_Audio", 10}, Form::Flag),
    Audio("EnhancedDenoiser", {"c_Audio", 11}, Form::Flag),
    Audio("MaxEAXVersion", {"tbx_video", 22}, Form::Text, true),
    Audio("Channels", {"tbx_video", 23}, Form::Text, true),
    Audio("MusicVolume", {"tbx_video", 24}, Form::Number4),
    Audio("AmbientVolume", {"tbx_video", 25}, Form::Number4),
    Audio("SoundVolume", {"tbx_video", 26}, Form::Number4),
    Audio("VoiceVolume", {"tbx_video", 27}, Form::Number4),
    Audio("VolumeScaleRec", {"tbx_video", 28}, Form::Number4),
    Audio("DopplerFactor", {"tbx_video", 29}, Form::Number4),
    Audio("Rolloff", {"tbx_video", 30}, Form::Number4),
    Audio("TimeBetweenHWUpdates", {"tbx_video", 31}, Form::Number4),
    Audio("SpatializedVoiceRadius", {"tbx_video", 32}, Form::Number4),
    Audio("LocalZOffset", {"tbx_video", 33}, Form::Number4),
}};

}  // namespace

const AreaBinding& AudioArea() {
    static const AreaBinding area{.rows = kRows};
    return area;
}

}  // namespace kestrane
