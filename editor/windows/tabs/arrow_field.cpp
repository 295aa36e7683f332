#include "editor/windows/tabs/arrow_field.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/field_tables.h"

namespace kestrane {
namespace {

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QLineEdit* AddArrowField(INI& window, const FieldRow& entry, const ArrowFieldNames& names,
                         int index, QGridLayout* grid, int row, int column, int width) {
    QWidget* parent = grid->parentWidget();
    auto* box = new QLineEdit(parent);
    box->setObjectName(Q(names.box) + QString::number(index));
    box->setFixedWidth(width);
    auto* field = new NumericField(box, entry.rule, entry.steps);
    auto* up = MakeStepButton(true, parent);
    auto* down = MakeStepButton(false, parent);
    up->setObjectName(Q(names.up) + QString::number(index));
    down->setObjectName(Q(names.down) + QString::number(index));
    ConnectSteppers(field, up, down);
    window.Controls().Add(names.box, index, box);
    window.Controls().Add(names.up, index, up);
    window.Controls().Add(names.down, index, down);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up);
    arrows->addWidget(down);
    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    line->addWidget(box);
    line->addLayout(arrows);
    grid->addWidget(new QLabel(Q(entry.caption), parent), row, column);
    grid->addLayout(line, row, column + 1);
    return box;
}

}  // namespace kestrane
