#include <array>

#include "editor/binding/areas.h"
#include "editor/binding/bind_commands.h"

namespace kestrane {
namespace {

constexpr std::array<BindingRow, kBindCommands.size()> MakeRows() {
    std::array<BindingRow, kBindCommands.size()> rows{};
    for (size_t k = 0; k < kBindCommands.size(); ++k) {
        rows[k] = BindingRow{IniFile::User,
                             kBindCommands[k].command,
                             {},
                             ControlRef{"tbx_Bind", static_cast<int>(2 * k)},
                             Form::Binding};
    }
    return rows;
}

constexpr auto kRows = MakeRows();

// The loader's DelKey blanks every box showing the last captured key; a reload must show
// what the file binds, so the load starts with no capture remembered.
void ForgetLastCapture(BindingContext& ctx) {
    ctx.state.bindIndex = 0;
    ctx.state.bindKeyName.clear();
}

}  // namespace

const AreaBinding& KeyBindingsArea() {
    static const AreaBinding area{kRows, ForgetLastCapture};
    return area;
}

}  // namespace kestrane
