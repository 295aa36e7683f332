// A numeric box with its up and down arrows beside it and its caption before it, on one row of
// a grid, wired to the field rule and registered under the names of its control array.
#pragma once

#include <string_view>

class QGridLayout;
class QLineEdit;

namespace kestrane {

class INI;
struct FieldRow;

struct ArrowFieldNames {
    std::string_view box;   // e.g. "tbx_Comm"
    std::string_view up;    // e.g. "b_Add"
    std::string_view down;  // e.g. "b_Sub"
};

QLineEdit* AddArrowField(INI& window, const FieldRow& entry, const ArrowFieldNames& names,
                         int index, QGridLayout* grid, int row, int column = 0, int width = 56);

}  // namespace kestrane
