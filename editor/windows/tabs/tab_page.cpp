#include "editor/windows/tabs/tab_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace kestrane {
namespace {

// The page's layout: its rows, then its side column, made on first use.
QHBoxLayout* PageLayout(QWidget* page) {
    auto* outer = qobject_cast<QHBoxLayout*>(page->layout());
    if (!outer) {
        outer = new QHBoxLayout(page);
        outer->addLayout(new QVBoxLayout, 1);
        outer->addLayout(new QVBoxLayout, 0);
    }
    return outer;
}

}  // namespace

QHBoxLayout* PageRow(QWidget* page, int row) {
    auto* rows = qobject_cast<QVBoxLayout*>(PageLayout(page)->itemAt(0)->layout());
    while (rows->count() <= row) {
        // Rows below the first take the height left over.
        rows->addLayout(new QHBoxLayout, rows->count() == 0 ? 0 : 1);
    }
    return qobject_cast<QHBoxLayout*>(rows->itemAt(row)->layout());
}

QVBoxLayout* PageSide(QWidget* page) {
    return qobject_cast<QVBoxLayout*>(PageLayout(page)->itemAt(1)->layout());
}

}  // namespace kestrane
