#include "editor/binding/rows_weapon_priority.h"

#include <optional>
#include <string>
#include <vector>

#include "editor/binding/areas.h"
#include "editor/binding/key_presence.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/name_tables.h"
#include "editor/binding/priority_order.h"
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

// The line a save deals the weapon's number to: its own section's, found as the save finds keys.
std::optional<size_t> PriorityLine(const IniStore& user, std::string_view display) {
    const std::string section = GetWeaponSection(display);
    if (section.empty()) return std::nullopt;
    return FindKeyInSection(user, "Priority", section);
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
        MarkPriorityBox(ctx, 16 - j);
        NoteLoaded(ctx, {kBox, 16 - j});
    }
}

// The numbers belong to the rows: the weapon now in a row takes the number read for it. Only
// weapons with a line of their own count: one without neither takes a number nor gives its
// reading (0) to another weapon. A box still showing the weapon its file holds there keeps
// that weapon's line as it is. Where tied numbers would come back in another order, the
// numbers are made to fall row by row, so the next load shows the order the player left.
void SavePriorities(BindingContext& ctx) {
    IniStore& user = ctx.state.user;
    std::vector<std::string> numbers;  // highest first
    std::vector<std::string> loaded;   // the weapons they were read for
    for (int j = 0; j < kWeapons; ++j) {
        if (PriorityLine(user, ctx.state.weaponNames[j])) {
            numbers.push_back(ctx.state.weaponPriorityValues[j]);
            loaded.push_back(ctx.state.weaponNames[j]);
        }
    }
    std::vector<PriorityRow> rows;
    std::vector<std::optional<size_t>> lines;
    size_t next = 0;
    for (int i = 16; i >= 0; --i) {
        const ControlRef box{kBox, i};
        PriorityRow row{ctx.controls.Text(box), false, {}};
        const auto line = PriorityLine(user, row.weapon);
        if (line && next < numbers.size()) {
            row.lined = true;
            row.moved = loaded[next] != row.weapon;
            const std::string& dealt = numbers[next++];
            row.text = Untouched(ctx, box) ? std::string(user.LoadedValue(*line)) : dealt;
        }
        rows.push_back(std::move(row));
        lines.push_back(rows.back().lined ? line : std::nullopt);
    }
    const std::vector<std::string> texts = TextsKeepingOrder(rows);
    for (size_t k = 0; k < rows.size(); ++k) {
        if (lines[k]) user.SetValue(*lines[k], texts[k]);
    }
}

}  // namespace

void MarkPriorityBox(BindingContext& ctx, int box) {
    const ControlRef control{kBox, box};
    const std::string weapon = ctx.controls.Text(control);
    MarkKeyPresence(ctx, control, PriorityLine(ctx.state.user, weapon).has_value(), "Priority",
                    GetWeaponSection(weapon), IniFile::User);
}

const AreaBinding& WeaponPriorityArea() {
    static const AreaBinding area{
        .rows = {},
        .beforeLoad = LoadPriorities,
        .beforeSave = SavePriorities,
    };
    return area;
}

}  // namespace kestrane
