#include "editor/windows/tabs/comm_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "editor/widgets/numeric_field.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/alias_and_login.h"
#include "editor/windows/tabs/arrow_field.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"

namespace kestrane {
namespace {

constexpr std::array<const char*, 10> kCommCaptions = {"No Voice Message",
                                                       "No Voice Taunts",
                                                       "No Auto Taunt",
                                                       "Auto Taunt",
                                                       "No Text to Speech Messages",
                                                       "Only Speak Team Text",
                                                       "No Console Death Message",
                                                       "Message Beep",
                                                       "No Mature Language",
                                                       "Vehicle Shadows"};

constexpr std::array<const char*, 26> kHudCaptions = {"Hide Hud",
                                                      "Show Weapon Info",
                                                      "Show Weapon Bar",
                                                      "Show Personal Info",
                                                      "Show Points",
                                                      "Show Crosshair",
                                                      "Show Portrait",
                                                      "No Enemy Names",
                                                      "Quiet Menu",
                                                      "No Tool Tips",
                                                      "No Coronas",
                                                      "Weapons Bob",
                                                      "Never Switch On Pickup",
                                                      "Small Weapons",
                                                      "Small Weapon Bar",
                                                      "Always Level",
                                                      "KeyBoard Look",
                                                      "Snap to Level",
                                                      "Look Up Stairs",
                                                      "Enable Stats Tracking",
                                                      "Dynamic Net Speed",
                                                      "GUI Force Feedback",
                                                      "Damage Force Feedback",
                                                      "Pickup Force Feedback",
                                                      "Weapon Force Feedback",
                                                      "Landing Shake"};

QCheckBox* AddCheck(INI& window, QWidget* parent, const char* caption, const char* name,
                    int index) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(index < 0 ? QString(name) : QString(name) + QString::number(index));
    window.Controls().Add(name, index, box);
    return box;
}

}  // namespace

void AddCommField(INI& window, int index, QGridLayout* grid, int row, int column) {
    AddArrowField(window, kCommFields.at(static_cast<size_t>(index)),
                  {"tbx_Comm", "b_Add", "b_Sub"}, index, grid, row, column);
}

CommTab::CommTab(INI& window) : QObject(window.Tab("comm")), window_(window) {
    setObjectName("CommTab");
    BuildSwitches();
    BuildNumberFields();
    PageRow(window.Tab("comm"))->addStretch(1);
    BuildAliasEditors();
}

void CommTab::BuildSwitches() {
    QWidget* page = window_.Tab("comm");

    auto* left = new QVBoxLayout;
    auto* voice = new QGroupBox("Voice / Console", page);
    auto* voiceLines = new QVBoxLayout(voice);
    for (int i = 0; i < static_cast<int>(kCommCaptions.size()); ++i) {
        voiceLines->addWidget(AddCheck(window_, voice, kCommCaptions[i], "c_Comm", i));
    }
    left->addWidget(voice);
    // The beacon colours join this frame with the colour fields.
    auto* beacon = new QGroupBox("Beacon Colors", page);
    beacon->setObjectName("BeaconColors");
    auto* beaconLines = new QVBoxLayout(beacon);
    beaconLines->addWidget(
        AddCheck(window_, beacon, "Use Custom beacon Color", "c_CustomBeacon", -1));
    left->addWidget(beacon);
    left->addStretch(1);
    PageRow(page)->addLayout(left);

    auto* hud = new QGroupBox("Hud / Game Options", page);
    auto* grid = new QGridLayout(hud);
    const int half = static_cast<int>(kHudCaptions.size() + 1) / 2;
    for (int i = 0; i < static_cast<int>(kHudCaptions.size()); ++i) {
        grid->addWidget(AddCheck(window_, hud, kHudCaptions[i], "c_Hud", i), i % half, i / half);
    }
    grid->addWidget(AddCheck(window_, hud, "Dodging", "c_Mouse", 1), half, 0);
    grid->setRowStretch(half + 1, 1);
    PageRow(page)->addWidget(hud, 0, Qt::AlignTop);
}

void CommTab::BuildNumberFields() {
    QWidget* page = window_.Tab("comm");
    auto* frame = new QGroupBox("Messages / Network", page);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < 12; ++i) AddCommField(window_, i, grid, i);
    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
}

void CommTab::BuildAliasEditors() {
    QWidget* page = window_.Tab("comm");
    struct Editor {
        const char* frame;
        const char* box;
        const char* button;
        const char* caption;
        RichTextBox** slot;
        void (CommTab::*click)();
    };
    const Editor editors[] = {
        {"Aliases", "RTB_Aliases", "cb_Aliases", "Add A New Alias", &aliases_,
         &CommTab::cb_Aliases_Click},
        {"Text To Speech Aliases", "RTB_TextToSpeechAlias", "cb_TxTAlias_Add",
         "Add A New Text To Speech Alias", &speechAliases_, &CommTab::cb_TxTAlias_Add_Click},
    };
    for (const Editor& e : editors) {
        auto* frame = new QGroupBox(e.frame, page);
        auto* lines = new QVBoxLayout(frame);
        auto* box = new RichTextBox(frame);
        box->setObjectName(e.box);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        auto* button = new QPushButton(e.caption, frame);
        button->setObjectName(e.button);
        const auto click = e.click;
        connect(button, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
        lines->addWidget(box);
        lines->addWidget(button, 0, Qt::AlignLeft);
        window_.Controls().Add(e.box, box);
        window_.Controls().Add(e.button, button);
        *e.slot = box;
        PageRow(page, 1)->addWidget(frame, 1);
    }
}

void CommTab::cb_Aliases_Click() {
    aliases_->SetText(WithNewAlias(aliases_->Text()));
    aliases_->setFocus(Qt::OtherFocusReason);
    aliases_->moveCursor(QTextCursor::End);
}

void CommTab::cb_TxTAlias_Add_Click() {
    speechAliases_->SetText(WithNewSpeechAlias(speechAliases_->Text()));
}

}  // namespace kestrane
