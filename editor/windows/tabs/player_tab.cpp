#include "editor/windows/tabs/player_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/store/character_names.h"
#include "editor/widgets/editable_combo.h"
#include "editor/widgets/name_colour_view.h"
#include "editor/widgets/numeric_field.h"
#include "editor/widgets/picture_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/alias_and_login.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"
#include "platform/base/ansi.h"
#include "platform/key_codes.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

constexpr int kEnter = 13;

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <class W>
W* Named(W* widget, std::string_view name, int index = -1) {
    widget->setObjectName(index < 0 ? Q(name) : Q(name) + QString::number(index));
    return widget;
}

}  // namespace

PlayerTab::PlayerTab(INI& window) : QObject(window.Tab("player")), window_(window) {
    setObjectName("PlayerTab");
    BuildPlayerInformation();
    BuildStatsLogin();
    PageRow(window.Tab("player"))->addStretch(1);
}

void PlayerTab::BuildPlayerInformation() {
    QWidget* page = window_.Tab("player");
    ControlRegistry& controls = window_.Controls();
    auto* frame = new QGroupBox("Player Information", page);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    auto label = [&](const char* text) { grid->addWidget(new QLabel(text, frame), row, 0); };

    auto* name = Named(new QLineEdit(frame), "tbx_Name");
    controls.Add("tbx_Name", name);
    ShowNameColours(name);
    label("Player Name");
    grid->addWidget(name, row++, 1, 1, 2);

    auto* character = Named(new QComboBox(frame), "cb_Character");
    MakeEditable(character);  // it shows "None" and names the list lacks
    character->setInsertPolicy(QComboBox::NoInsert);
    character->setMaxVisibleItems(20);
    for (std::string_view n : kCharacterNames) character->addItem(Q(n));
    character->setCurrentIndex(-1);
    controls.Add("cb_Character", character);
    connect(character, &QComboBox::activated, this, &PlayerTab::cb_Character_Click);
    label("Character");
    grid->addWidget(character, row++, 1, 1, 2);

    auto* red = Named(new QRadioButton("Red", frame), "rb_Red");
    auto* blue = Named(new QRadioButton("Blue", frame), "rb_Blue");
    controls.Add("rb_Red", red);
    controls.Add("rb_Blue", blue);
    label("Team");
    grid->addWidget(red, row, 1);
    grid->addWidget(blue, row++, 2);

    for (size_t i = 0; i < kViewFields.size(); ++i) {
        const ViewFieldRow& entry = kViewFields[i];
        const int index = static_cast<int>(i);
        auto* box = Named(new QLineEdit(frame), entry.name);
        box->setFixedWidth(60);
        auto* field = new NumericField(box, entry.field.rule, entry.field.steps);
        auto* plus = Named(new QToolButton(frame), "b_P_Add", index);
        auto* minus = Named(new QToolButton(frame), "b_P_Sub", index);
        plus->setText("+");
        minus->setText("-");
        for (QToolButton* b : {plus, minus}) b->setFocusPolicy(Qt::NoFocus);
        ConnectSteppers(field, plus, minus);
        controls.Add(entry.name, box);
        controls.Add("b_P_Add", index, plus);
        controls.Add("b_P_Sub", index, minus);
        auto* line = new QHBoxLayout;
        line->addWidget(box);
        line->addWidget(plus);
        line->addWidget(minus);
        line->addStretch(1);
        label(entry.field.caption.data());
        grid->addLayout(line, row++, 1, 1, 2);
    }

    auto* unlocked = Named(new QLineEdit(frame), "tbx_Total_Unockedl_Char");
    unlocked->setReadOnly(true);  // the count the game keeps; never written back
    unlocked->setFixedWidth(60);
    controls.Add("tbx_Total_Unockedl_Char", unlocked);
    label("Unlocked Characters");
    grid->addWidget(unlocked, row++, 1, 1, 2);

    auto* shadow = Named(new QCheckBox("Player Shadows", frame), "c_Player_Shadow");
    auto* steps = Named(new QCheckBox("Play Own Footsteps", frame), "c_Footsteps");
    controls.Add("c_Player_Shadow", shadow);
    controls.Add("c_Footsteps", steps);
    grid->addWidget(shadow, row++, 0, 1, 3);
    grid->addWidget(steps, row++, 0, 1, 3);

    auto* colorize = Named(new QPushButton("Colorize Player Name", frame), "btnColorName");
    connect(colorize, &QPushButton::clicked, &window_, &INI::btnColorName_Click);
    grid->addWidget(colorize, row++, 0, 1, 3, Qt::AlignLeft);

    portrait_ = Named(new PictureBox(frame), "pb_Player");
    portrait_->setFixedSize(160, 200);
    controls.Add("pb_Player", portrait_);
    grid->addWidget(portrait_, 0, 3, row, 1, Qt::AlignTop);
    grid->setRowStretch(row, 1);

    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
}

void PlayerTab::BuildStatsLogin() {
    QWidget* page = window_.Tab("player");
    auto* frame = new QGroupBox("Stats Login", page);
    auto* grid = new QGridLayout(frame);
    statName_ = Named(new QLineEdit(frame), "tbx_Stat_Name");
    statPass_ = Named(new QLineEdit(frame), "tbx_Stat_Pass");
    statPass_->setEchoMode(QLineEdit::Password);
    statName_->setToolTip("\"Stat Name\" Must be At Least 6 Characters Long");
    statPass_->setToolTip("\"Stat Pass\" Must be At Least 6 Characters Long");
    for (QLineEdit* box : {statName_, statPass_}) box->installEventFilter(this);
    window_.Controls().Add("tbx_Stat_Name", statName_);
    window_.Controls().Add("tbx_Stat_Pass", statPass_);
    grid->addWidget(new QLabel("Stat Name", frame), 0, 0);
    grid->addWidget(statName_, 0, 1);
    grid->addWidget(new QLabel("Stat Password", frame), 1, 0);
    grid->addWidget(statPass_, 1, 1);
    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
}

void PlayerTab::cb_Character_Click() {
    window_.Controls().SetPicture({"pb_Player"},
                                  CharacterPicturePath(window_.Controls().Text({"cb_Character"})));
}

bool PlayerTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched != statName_ && watched != statPass_) return QObject::eventFilter(watched, event);
    const bool isName = watched == statName_;
    if (event->type() == QEvent::KeyPress) {
        const int code = platform::WindowsKeyCode(*static_cast<QKeyEvent*>(event));
        if (code == kEnter) {
            isName ? tbx_Stat_Name_KeyDown(code) : tbx_Stat_Pass_KeyDown(code);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of the window counts: a message box, a menu or
        // another program taking the focus is no leaving of the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // Checked once the focus has moved, so the box can take it back.
            QTimer::singleShot(
                0, this,
                isName ? &PlayerTab::tbx_Stat_Name_LostFocus : &PlayerTab::tbx_Stat_Pass_LostFocus);
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlayerTab::tbx_Stat_Name_KeyDown(int keyCode) {
    if (keyCode == kEnter)
        StatsLostFocus(statName_, "'Stat Name' Must Be At Least 6 Characters Long", true);
}

void PlayerTab::tbx_Stat_Pass_KeyDown(int keyCode) {
    if (keyCode == kEnter) {
        StatsLostFocus(statPass_, "'Stat Password' Must Be At Least 6 Characters Long", true);
    }
}

void PlayerTab::tbx_Stat_Name_LostFocus() {
    StatsLostFocus(statName_, "'Stat Name' Must Be At Least 6 Characters Long", false);
}

void PlayerTab::tbx_Stat_Pass_LostFocus() {
    StatsLostFocus(statPass_, "'Stat Password' Must Be At Least 6 Characters Long", false);
}

// A short entry is refused: the box is emptied and keeps the focus. Enter hands an accepted
// entry on to the portrait; a focus the user moved elsewhere stays where it went.
void PlayerTab::StatsLostFocus(QLineEdit* box, const char* message, bool handOn) {
    if (checking_) return;
    if (!StatsLoginAccepted(platform::ToAnsi(box->text()))) {
        checking_ = true;
        platform::ShowMessage(message, platform::MsgButtons::Ok, {}, &window_);
        box->clear();
        box->setFocus(Qt::OtherFocusReason);
        checking_ = false;
        return;
    }
    if (handOn) portrait_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrane
