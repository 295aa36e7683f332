#include <array>

#include "editor/binding/areas.h"

namespace kestrane {
namespace {

// The save writes the dodging switch a second time, after the numeric boxes; the same text
// lands on the same line.
constexpr std::array<BindingRow, 1> kDodging = {
    {{IniFile::User, "bEnableDodging", {}, ControlRef{"c_Mouse", 1}, Form::Flag}}};

}  // namespace

const AreaBinding& DodgeAgainArea() {
    static const AreaBinding area{
        .rows = {},
        .beforeSave = [](BindingContext& ctx) { SaveRow(ctx, kDodging[0]); },
    };
    return area;
}

}  // namespace kestrane
