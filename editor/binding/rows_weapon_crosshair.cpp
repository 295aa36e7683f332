#include <array>
#include <string>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/name_tables.h"
#include "editor/binding/untouched.h"
#include "editor/store/crosshair_names.h"

namespace kestrane {
namespace {

constexpr int kPanels = 16;

constexpr BindingRow Row(std::string_view key, int k, std::string_view control, int index,
                         Form form, int n = 0) {
    return BindingRow{IniFile::User, key, WeaponPanelSection(k), ControlRef{control, index},
                      form,          n};
}

// The switches of every panel in pairs, the translocator's extra switch, then the scales; the
// crosshair combos follow as special rows.
constexpr std::array<BindingRow, 2 * kPanels + 1 + kPanels> WeaponRows() {
    std::array<BindingRow, 2 * kPanels + 1 + kPanels> rows{};
    size_t r = 0;
    for (int k = 0; k < kPanels; ++k) {
        rows[r++] = Row("ExchangeFireModes", k, "c_SwapFire", k, Form::Flag10Zero);
        rows[r++] = Row("bUseOldWeaponMesh", k, "c_OldMesh", k, Form::FlagUnlessFalse);
    }
    rows[r++] = Row("bPrevWeaponSwitch", 15, "c_OldMesh", 16, Form::FlagUnlessFalse);
    for (int k = 0; k < kPanels; ++k) {
        rows[r++] = Row("CustomCrossHairScale", k, "tbx_Comm", 12 + k, Form::TextLeft, 3);
    }
    return rows;
}

constexpr auto kRows = WeaponRows();

constexpr std::string_view kTextureKey = "CustomCrossHairTextureName";

// The picture follows the name the table gave, whatever the combo makes of it. A section
// without its texture line keeps no choice: the combo says so.
void LoadCrosshairs(BindingContext& ctx) {
    for (int k = 0; k < kPanels; ++k) {
        const std::string_view section = WeaponPanelSection(k);
        const std::string shown = GetCrosshair(GetVal2(ctx.state.user, kTextureKey, section));
        const ControlRef combo{"cbx_Cross", k};
        ctx.controls.SetText(combo, shown);
        ctx.controls.SetPicture({"p_CrossPic", k}, CrosshairPicturePath(shown));
        MarkKeyPresence(ctx, combo,
                        FindKeyInSection(ctx.state.user, kTextureKey, section).has_value(),
                        kTextureKey, section, IniFile::User);
        NoteLoaded(ctx, combo);
    }
}

// An untouched combo keeps the file's texture, also one the table does not know.
void SaveCrosshairs(BindingContext& ctx) {
    IniStore& user = ctx.state.user;
    for (int k = 0; k < kPanels; ++k) {
        const auto line = FindKeyInSection(user, kTextureKey, WeaponPanelSection(k));
        if (!line) continue;
        const ControlRef combo{"cbx_Cross", k};
        StoreUnlessUntouched(ctx, user, *line, {combo},
                             GetCrosshairTexture(ctx.controls.Text(combo)));
    }
}

}  // namespace

const AreaBinding& WeaponCrosshairArea() {
    static const AreaBinding area{
        .rows = kRows,
        .afterLoad = LoadCrosshairs,
        .afterSave = SaveCrosshairs,
    };
    return area;
}

}  // namespace kestrane
