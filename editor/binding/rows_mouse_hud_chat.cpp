#include <array>

#include "editor/binding/areas.h"

namespace kestrane {
namespace {

constexpr BindingRow User(std::string_view key, std::string_view control, int index, Form form,
                          int n = 0) {
    return BindingRow{IniFile::User, key, {}, ControlRef{control, index}, form, n};
}

constexpr BindingRow Mouse(std::string_view key, int index, int n = 4) {
    return User(key, "tbx_Mouse", index, Form::TextLeft, n);
}

// The objective and radar values do not follow the row order in tbx_Mouse: both walks use
// these same indexes.
constexpr std::array<BindingRow, 32> kRows = {{
    User("bInvertMouse", "c_Mouse", 0, Form::Flag),
    User("bAlwaysMouseLook", "c_Mouse", 2, Form::Flag),
    User("MouseSmoothingMode", "chk_SmoothMouse", -1, Form::Flag10One),
    Mouse("MouseSmoothingStrength", 1),
    Mouse("MouseSensitivity", 2),
    User("MouseSamplingTime", "tbx_Mouse", 3, Form::Text),
    Mouse("MouseAccelThreshold", 4),
    Mouse("DoubleClickTime", 5),
    User("bOnHUDObjectiveNotification", "c_Assault", 0, Form::Flag),
    User("bShowInfoPods", "c_Assault", 1, Form::Flag),
    User("bDrawAllObjectives", "c_Assault", 2, Form::Flag),
    User("bShow3DArrow", "c_Assault", 3, Form::Flag),
    User("bObjectiveReminder", "c_Assault", 4, Form::Flag),
    User("bDrawRadar", "c_Assault", 5, Form::Flag),
    User("bShowWillowWhisp", "c_Assault", 6, Form::Flag),
    User("bDrawRadarCardinalPoints", "c_Assault", 7, Form::Flag),
    Mouse("ObjectiveScale", 11),
    Mouse("ASRadarPosX", 10),
    Mouse("ASRadarPosY", 9),
    Mouse("ObjectiveProgressPulseTime", 8),
    Mouse("RadarScale", 0),
    Mouse("RadarPosX", 6),
    Mouse("RadarPosY", 7),
    Mouse("IconScale", 12),
    Mouse("RadarTrans", 13, 3),
    BindingRow{IniFile::UT2004, "bShowNodeBeams", "[Onslaught.ONSPowerCore]",
               ControlRef{"c_Assault", 8}, Form::Flag},
    User("NickName", "tbx_IRC", 0, Form::Text),
    User("FullName", "tbx_IRC", 1, Form::Text),
    User("MaxChatScrollback", "tbx_IRC", 2, Form::Text),
    User("InputHistorySize", "tbx_IRC", 3, Form::Text),
    User("DefaultChannel", "cbx_Channel", -1, Form::Text),
    User("bIRCTextToSpeechEnabled", "c_IRC", -1, Form::Flag),
}};

}  // namespace

const AreaBinding& MouseHudChatArea() {
    static const AreaBinding area{.rows = kRows};
    return area;
}

}  // namespace kestrane
