#include <array>

#include "editor/binding/areas.h"

namespace kestrane {
namespace {

constexpr std::array<BindingRow, 1> kRows = {
    {{IniFile::User, "TeamBeaconUseCustomColor", {}, ControlRef{"c_CustomBeacon"}, Form::Flag}}};

}  // namespace

const AreaBinding& TeamBeaconArea() {
    static const AreaBinding area{.rows = kRows};
    return area;
}

}  // namespace kestrane
