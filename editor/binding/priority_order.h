// The priorities a save writes so that the next load shows the weapon list in the order the
// player left it. The load sorts by value with a sort whose order among equal values depends on
// every other value, so numbers dealt out by row alone can bring tied weapons back swapped.
#pragma once

#include <string>
#include <vector>

namespace kestrane {

// One row of the list, top row first.
struct PriorityRow {
    std::string weapon;  // display name
    bool lined = false;  // the weapon's section has its own Priority line
    std::string text;    // what the row writes by the rule of dealing numbers out by row
    bool moved = false;  // another weapon with a line stood at this place among them at load
};

// The order a load shows the lined weapons in, top first, when each lined row's line holds its
// text and every other weapon reads 0.
std::vector<std::string> OrderReadBack(const std::vector<PriorityRow>& rows);

// The text each row writes: its own when the rows read back in their order already and no moved
// weapon is tied with a row beside it (the game would choose between them); else the
// fewest numbers changed that make them do so, found among changes of one or two rows to a
// whole number between their neighbours' (moved rows first, then the nearest numbers); else
// whole numbers falling strictly from the top row down, as many of the rows' own numbers kept
// as such an order allows. Rows without a line keep their text.
std::vector<std::string> TextsKeepingOrder(const std::vector<PriorityRow>& rows);

}  // namespace kestrane
