#include "editor/instant_action/action_settings.h"

#include "editor/instant_action/game_types.h"
#include "editor/store/number_readings.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

std::string_view SectionOf(const OptionRow& row) {
    return OptionFrameTable()[static_cast<size_t>(row.frame)].section;
}

}  // namespace

std::optional<size_t> OptionLine(const IniStore& store, const OptionRow& row) {
    const std::string_view header = SectionOf(row);
    for (auto h = store.FindKey(header); h; h = store.FindKey(header, *h + 1)) {
        const auto line = store.FindKey(row.key, *h + 1);
        if (!line) return std::nullopt;  // no later section can hold it either
        const auto end = store.NextHeaderAfter(*h);
        if (!end || *line < *end) return line;
    }
    return std::nullopt;
}

bool CheckedFromValue(const std::string& value) {
    return EqualsNoCase(value, "True");
}

std::string ShownNumber(const std::string& value) {
    return ShownNumberText(value);
}

OptionValues ReadActionSettings(const IniStore& store) {
    OptionValues values;
    for (const OptionRow& row : OptionRowTable()) {
        const auto line = OptionLine(store, row);
        const std::string value = line ? store.Value(*line) : std::string();
        const auto i = static_cast<size_t>(row.index);
        if (row.kind == OptionKind::CheckBox) {
            values.checks[i] = CheckedFromValue(value);
        } else {
            // A box without its line is greyed out and shows nothing.
            values.texts[i] = line ? ShownNumber(value) : std::string();
        }
    }
    return values;
}

void StoreInstantActionSettings(IniStore& store, const OptionValues& now,
                                const OptionValues& loaded) {
    for (const OptionRow& row : OptionRowTable()) {
        const auto i = static_cast<size_t>(row.index);
        const bool check = row.kind == OptionKind::CheckBox;
        if (check ? now.checks[i] == loaded.checks[i] : now.texts[i] == loaded.texts[i]) continue;
        const auto line = OptionLine(store, row);
        if (!line) continue;
        store.SetValue(*line, check ? (now.checks[i] ? "True" : "False") : now.texts[i]);
    }
}

}  // namespace kestrane
