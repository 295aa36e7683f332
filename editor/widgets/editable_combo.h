// Editable combo boxes made without the popup built ahead of its first use.
#pragma once

class QComboBox;

namespace kestrane {

// What QComboBox::setEditable(true) does, less the list popup it builds at once under the
// Fusion style; the popup is made on first use instead and looks the same.
void MakeEditable(QComboBox* combo);

}  // namespace kestrane
