// Orders the weapon priority list by its values, keeping names and values paired.
#pragma once

#include <array>
#include <string>

namespace kestrane {

// A bubble sort with a shrinking bound, whose steps fix the order of equal values the list
// shows. A value that moves up an index is rewritten as a plain integer.
void SortWeaponPriority(std::array<std::string, 17>& names, std::array<std::string, 17>& values,
                        bool descending);
// On the program-wide WeaponNames and WeaponPriorityValues.
void SortWeaponPriority(bool descending);

}  // namespace kestrane
