#include "editor/windows/tab_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace kestrane {

QHBoxLayout* PageRow(QWidget* page, int row) {
    auto* rows = qobject_cast<QVBoxLayout*>(page->layout());
    if (!rows) rows = new QVBoxLayout(page);
    while (rows->count() <= row) {
        // Rows below the first take the height left over.
        rows->addLayout(new QHBoxLayout, rows->count() == 0 ? 0 : 1);
    }
    return qobject_cast<QHBoxLayout*>(rows->itemAt(row)->layout());
}

}  // namespace kestrane
