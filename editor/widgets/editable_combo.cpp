#include "editor/widgets/editable_combo.h"

#include <QComboBox>
#include <QLineEdit>

namespace kestrane {

void MakeEditable(QComboBox* combo) {
    if (combo->isEditable()) return;
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    combo->setLineEdit(edit);
}

}  // namespace kestrane
