#include <string>

#include "editor/binding/areas.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/name_tables.h"
#include "editor/binding/untouched.h"
#include "editor/store/leading_number.h"
#include "editor/store/weapon_priority_sort.h"

namespace kestrane {
namespace {

constexpr int kWeapons = 17;
constexpr std::string_view kBox = "tbx_WeaponPriority";

// Only the weapon's own section counts: a section without a "Priority" line would otherwise
// take the priority of the next weapon's section and stand beside it in the list.
std::string OwnPriority(const IniStore& user, std::string_view section) {
    const auto header = user.FindKey(section);
    if (!header) return {};
    const auto row = user.FindKey("Priority", *header + 1);
    const auto end = user.NextHeaderAfter(*header);
    if (!row || (end && *row > *end)) return {};
    return user.Value(*row);
}

void LoadPriorities(BindingContext& ctx) {
    ProgramState& s = ctx.state;
    for (int j = 0; j < kWeapons; ++j) {
        const WeaponSection& weapon = WeaponSections[static_cast<size_t>(j)];
        s.weaponPriorityValues[j] =
            ShortestNumberText(LeadingNumber(OwnPriority(s.user, weapon.section)));
        s.weaponNames[j] = std::string(weapon.display);
    }
    SortWeaponPriority(s.weaponNames, s.weaponPriorityValues, true);
    for (int j = 0; j < kWeapons; ++j) {
        ctx.controls.SetText({kBox, 16 - j}, s.weaponNames[j]);
        NoteLoaded(ctx, {kBox, 16 - j});
    }
}

// The numbers belong to the rows: the weapon now in box i takes the number read for that row.
// A box still showing its loaded weapon keeps that weapon's line as read.
void SavePriorities(BindingContext& ctx) {
    IniStore& user = ctx.state.user;
    for (int i = 16; i >= 0; --i) {
        const ControlRef box{kBox, i};
        const std::string section = GetWeaponSection(ctx.controls.Text(box));
        if (section.empty()) continue;
        const auto line = FindKeyInSection(user, "Priority", section);
        if (!line) continue;
        StoreUnlessUntouched(ctx, user, *line, {box}, ctx.state.weaponPriorityValues[16 - i]);
    }
}

}  // namespace

const AreaBinding& WeaponPriorityArea() {
    static const AreaBinding area{
        .rows = {},
        .beforeLoad = LoadPriorities,
        .beforeSave = SavePriorities,
    };
    return area;
}

}  // namespace kestrane
