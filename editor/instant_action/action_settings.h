// Reading the game-type options from the UT2004.ini store and storing them back. An option
// whose control still shows what the reading put there stores nothing, so its line keeps the
// file's own text ("0.600000" stays "0.600000", "true" stays "true").
#pragma once

#include <array>
#include <optional>
#include <string>

#include "editor/instant_action/option_rows.h"
#include "editor/store/ini_store.h"

namespace kestrane {

// The state of the 130 option controls (tbx_Ass(57), the bots, is not one of them).
struct OptionValues {
    std::array<bool, kOptionCheckBoxes> checks{};
    std::array<std::string, kOptionNumberBoxes> texts{};

    bool operator==(const OptionValues&) const = default;
};

// The line a row reads and stores: inside its own section (a header written twice is tried at
// each occurrence), key and header compared without regard to case, as the game reads them.
std::optional<size_t> OptionLine(const IniStore& store, const OptionRow& row);

// A check box is ticked by "True" in any letter case; a number box shows a plain number
// without the zeros that end its fraction (0.600000 shows 0.6, 12345 shows 12345) and any
// other text whole, as the file has it.
bool CheckedFromValue(const std::string& value);
std::string ShownNumber(const std::string& value);

// What each control shows once read. The window's change rules do not act on these texts: a
// value the player did not touch is shown as the file holds it, beyond the rules' range too.
OptionValues ReadActionSettings(const IniStore& store);

// Stores every option whose control differs from `loaded` into its line: "True"/"False" for
// a check box, a number box's text unchanged. A row without a line stores nothing.
void StoreInstantActionSettings(IniStore& store, const OptionValues& now,
                                const OptionValues& loaded);

}  // namespace kestrane
