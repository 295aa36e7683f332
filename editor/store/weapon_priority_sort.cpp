#include "editor/store/weapon_priority_sort.h"

#include <utility>

#include "editor/store/leading_number.h"
#include "editor/store/program_state.h"

namespace kestrane {

void SortWeaponPriority(std::array<std::string, 17>& names, std::array<std::string, 17>& values,
                        bool descending) {
    int upper = 16;
    for (;;) {
        int last = 0;
        for (int j = 0; j < upper; ++j) {
            const std::int16_t a = LeadingInt16(values[j]);
            const double b = LeadingNumber(values[j + 1]);
            const bool less = b < a;
            if (less != descending) {
                values[j] = values[j + 1];
                values[j + 1] = std::to_string(a);
                std::swap(names[j], names[j + 1]);
                last = j;
            }
        }
        if (last == 0) return;
        upper = last;
    }
}

void SortWeaponPriority(bool descending) {
    ProgramState& s = State();
    SortWeaponPriority(s.weaponNames, s.weaponPriorityValues, descending);
}

}  // namespace kestrane
