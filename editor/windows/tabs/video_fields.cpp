#include "editor/windows/tabs/video_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "editor/widgets/editable_combo.h"
#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"

namespace kestrane {
namespace {

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void AddVideoField(INI& window, int index, QGridLayout* grid, int row, int column) {
    const FieldRow& entry = kVideoFields.at(static_cast<size_t>(index));
    QWidget* parent = grid->parentWidget();
    auto* box = new QLineEdit(parent);
    box->setFixedWidth(64);
    auto* field = new NumericField(box, entry.rule, entry.steps);
    auto* plus = new QToolButton(parent);
    auto* minus = new QToolButton(parent);
    plus->setText("+");
    minus->setText("-");
    for (QToolButton* b : {plus, minus}) {
        b->setFocusPolicy(Qt::NoFocus);  // a step leaves the remembered text alone
        b->setFixedSize(20, 20);
    }
    plus->setObjectName(QString("b_VideoAdd%1").arg(index));
    minus->setObjectName(QString("b_VideoSub%1").arg(index));
    ConnectSteppers(field, plus, minus);
    if (index == kMinRefRateIndex) {
        box->setObjectName("tbx_MinRefRate");
        window.Controls().Add("tbx_MinRefRate", box);
    } else {
        box->setObjectName(QString("tbx_video%1").arg(index));
        window.Controls().Add("tbx_video", index, box);
    }
    window.Controls().Add("b_VideoAdd", index, plus);
    window.Controls().Add("b_VideoSub", index, minus);

    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    line->addWidget(box);
    line->addWidget(plus);
    line->addWidget(minus);
    line->addStretch(1);
    grid->addWidget(new QLabel(Q(entry.caption), parent), row, column);
    grid->addLayout(line, row, column + 1);
}

void AddChecks(INI& window, QGridLayout* grid, std::string_view name,
               std::span<const char* const> captions, int perColumn, int column) {
    QWidget* parent = grid->parentWidget();
    for (size_t i = 0; i < captions.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* box = new QCheckBox(captions[i], parent);
        box->setObjectName(Q(name) + QString::number(index));
        window.Controls().Add(name, index, box);
        grid->addWidget(box, index % perColumn, column + index / perColumn);
    }
}

QGridLayout* AddChecksAndFieldsFrame(INI& window, QWidget* page, const char* caption,
                                     const char* objectName, std::string_view name,
                                     std::span<const char* const> captions) {
    auto* frame = new QGroupBox(caption, page);
    frame->setObjectName(objectName);
    auto* columns = new QHBoxLayout(frame);
    auto* checkBox = new QWidget(frame);
    auto* checks = new QGridLayout(checkBox);
    checks->setContentsMargins(0, 0, 0, 0);
    AddChecks(window, checks, name, captions, static_cast<int>(captions.size()));
    columns->addWidget(checkBox, 0, Qt::AlignTop);
    auto* fieldBox = new QWidget(frame);
    auto* fields = new QGridLayout(fieldBox);
    fields->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(fieldBox, 0, Qt::AlignTop);
    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
    return fields;
}

void AddVideoCombo(INI& window, int index, const char* caption,
                   std::span<const char* const> entries, QGridLayout* grid, int row, int column) {
    QWidget* parent = grid->parentWidget();
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString("cbx_Video%1").arg(index));
    MakeEditable(combo);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const char* entry : entries) combo->addItem(entry);
    combo->setCurrentIndex(-1);
    combo->setMinimumWidth(120);
    window.Controls().Add("cbx_Video", index, combo);
    grid->addWidget(new QLabel(caption, parent), row, column);
    grid->addWidget(combo, row, column + 1);
}

}  // namespace kestrane
