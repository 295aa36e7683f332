#include "editor/windows/tabs/weapon_priority_tab.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/binding/rows_weapon_priority.h"
#include "editor/widgets/picture_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/tab_page.h"
#include "editor/windows/tabs/weapon_priority.h"
#include "platform/base/ansi.h"

namespace kestrane {
namespace {

constexpr int kBoxes = 17;

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* Heading(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(Q(text), parent);
    QFont font("Verdana", 12);
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

WeaponPriorityTab::WeaponPriorityTab(INI& window)
    : QObject(window.Tab("priority")), window_(window) {
    setObjectName("WeaponPriorityTab");
    BuildList();
    BuildInfo();
}

void WeaponPriorityTab::BuildList() {
    QWidget* page = window_.Tab("priority");
    ControlRegistry& controls = window_.Controls();
    auto* frame = new QGroupBox(page);
    frame->setObjectName("WeaponPriorityList");
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    auto* heading = Heading(kPriorityHeading, frame);
    controls.Add("lbl_Movement", 0, heading);
    grid->addWidget(heading, 0, 0, 1, 3);
    QFont large("Verdana", 12);
    large.setBold(true);
    const int selectedHeight = QFontMetrics(large).height() + 8;
    // Box 16 stands at the top, beside the row number 1.
    for (int i = 0; i < kBoxes; ++i) {
        auto* number = new QLabel(QString::number(i + 1), frame);
        number->setObjectName(QString("lbl_WeaponPriority%1").arg(i));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        controls.Add("lbl_WeaponPriority", i, number);
        const int index = 16 - i;
        auto* box = new QLineEdit(frame);
        box->setObjectName(QString("tbx_WeaponPriority%1").arg(index));
        box->setReadOnly(true);  // only the loader and the move buttons change it
        // Only a click selects: opening the page must not pick a weapon by itself.
        box->setFocusPolicy(Qt::ClickFocus);
        box->setFixedWidth(220);
        box->setFixedHeight(selectedHeight);  // the list keeps its rows when one grows
        box->installEventFilter(this);
        controls.Add("tbx_WeaponPriority", index, box);
        boxes_[static_cast<size_t>(index)] = box;
        ShowLook(index, false);
        grid->addWidget(number, i + 1, 0);
        grid->addWidget(box, i + 1, 1);
    }
    auto* buttons = new QVBoxLayout;
    const Qt::ArrowType arrows[] = {Qt::UpArrow, Qt::DownArrow};
    for (int b = 0; b < 2; ++b) {
        auto* move = new QToolButton(frame);
        move->setObjectName(QString("b_WeaponMove%1").arg(b));
        move->setArrowType(arrows[b]);
        move->setToolTip(b == 0 ? "Move Up" : "Move Down");
        move->setFixedSize(36, 36);
        move->setFocusPolicy(Qt::NoFocus);  // the selected box keeps its look
        connect(move, &QToolButton::clicked, this, [this, b] { b_WeaponMove_Click(b); });
        controls.Add("b_WeaponMove", b, move);
        buttons->addWidget(move);
    }
    auto* outer = new QVBoxLayout(frame);
    outer->addLayout(grid);
    auto* beside = new QHBoxLayout;
    beside->addLayout(buttons);
    grid->addLayout(beside, 1, 2, kBoxes, 1, Qt::AlignVCenter);
    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
}

void WeaponPriorityTab::BuildInfo() {
    QWidget* page = window_.Tab("priority");
    ControlRegistry& controls = window_.Controls();
    auto* frame = new QGroupBox(page);
    frame->setObjectName("WeaponPriorityInfo");
    auto* lines = new QVBoxLayout(frame);
    infoHeading_ = Heading(kInfoHeading, frame);
    controls.Add("lbl_Movement", 1, infoHeading_);
    lines->addWidget(infoHeading_);
    big_ = new PictureBox(frame);
    big_->setObjectName("pic_WeaponPriorityBig");
    big_->setFixedSize(400, 200);
    big_->setFocusPolicy(Qt::NoFocus);
    controls.Add("pic_WeaponPriorityBig", big_);
    small_ = new PictureBox(frame);
    small_->setObjectName("pic_WeaponPrioritySmall");
    small_->setFixedSize(120, 60);
    small_->setFocusPolicy(Qt::NoFocus);
    controls.Add("pic_WeaponPrioritySmall", small_);
    lines->addWidget(big_);
    lines->addWidget(small_);
    info_ = new QLabel(Q(kInfoBeforeSelection), frame);
    info_->setObjectName("lbl_WeaponInfo");
    info_->setWordWrap(true);
    info_->setFixedWidth(400);
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    controls.Add("lbl_WeaponInfo", info_);
    lines->addWidget(info_);
    lines->addStretch(1);
    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
    PageRow(page)->addStretch(1);
}

void WeaponPriorityTab::ShowLook(int index, bool selected) {
    QLineEdit* box = boxes_[static_cast<size_t>(index)];
    QFont font("Verdana", selected ? 12 : 10);
    font.setBold(true);
    box->setFont(font);
    // The normal text keeps the system's window-text colour.
    box->setStyleSheet(selected ? "QLineEdit { background-color: rgb(128,128,255);"
                                  " color: rgb(128,0,0); }"
                                : "QLineEdit { background-color: rgb(192,192,255); }");
}

void WeaponPriorityTab::tbx_WeaponPriority_GotFocus(int index) {
    ShowLook(index, true);
    selected_ = index;
    const std::string text = platform::ToAnsi(boxes_[static_cast<size_t>(index)]->text());
    // A missing picture leaves its box empty; the selection goes on.
    window_.Controls().SetPicture({"pic_WeaponPriorityBig"}, WeaponBigPicturePath(text));
    window_.Controls().SetPicture({"pic_WeaponPrioritySmall"}, WeaponSmallPicturePath(text));
    if (const WeaponInfo* weapon = FindWeaponInfo(text)) {
        infoHeading_->setText(Q(weapon->spaced));
        info_->setText(Q(weapon->description));
    }
}

void WeaponPriorityTab::tbx_WeaponPriority_LostFocus(int index) {
    ShowLook(index, false);
}

void WeaponPriorityTab::b_WeaponMove_Click(int index) {
    std::array<std::string, kBoxes> texts;
    for (int i = 0; i < kBoxes; ++i) {
        texts[static_cast<size_t>(i)] = platform::ToAnsi(boxes_[static_cast<size_t>(i)]->text());
    }
    const int next = MoveWeapon(texts, selected_, index == 0);
    BindingContext ctx = window_.Binding();
    for (int i : {selected_, next}) {
        window_.Controls().SetText({"tbx_WeaponPriority", i}, texts[static_cast<size_t>(i)]);
        // A weapon without a Priority line of its own takes its greying along.
        MarkPriorityBox(ctx, i);
    }
    QLineEdit* target = boxes_[static_cast<size_t>(next)];
    if (target->hasFocus()) {
        tbx_WeaponPriority_GotFocus(next);  // the box keeps the focus: select it afresh
    } else {
        target->setFocus(Qt::OtherFocusReason);
    }
}

bool WeaponPriorityTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (int i = 0; i < kBoxes; ++i) {
            if (watched != boxes_[static_cast<size_t>(i)]) continue;
            if (event->type() == QEvent::FocusIn) {
                tbx_WeaponPriority_GotFocus(i);
            } else {
                tbx_WeaponPriority_LostFocus(i);
            }
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrane
