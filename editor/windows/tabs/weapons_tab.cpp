#include "editor/windows/tabs/weapons_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <array>

#include "editor/store/crosshair_names.h"
#include "editor/widgets/picture_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/comm_tab.h"
#include "editor/windows/tabs/tab_page.h"

namespace kestrane {
namespace {

constexpr int kColumns = 4;

// Frame captions by weapon panel, as the game's players know them.
constexpr std::array<const char*, 16> kPanelCaptions = {
    "REDEEMER",        "ION PAINTER",    "CLASSIC SNIPER",   "LIGHTNING GUN",
    "ROCKET LAUNCHER", "FLAK CANNON",    "GRENADE LAUNCHER", "MINIGUN",
    "AVRiL",           "LINK GUN",       "SHOCK RIFLE",      "MINE LAYER",
    "BIO-RIFLE",       "ASSUALST RIFLE", "SHIELD GUN",       "TRANSLAUNCHER"};

// The crosshair lists, in the order the player picks from.
constexpr std::array<const char*, 20> kCrosshairList = {
    "Avril Track", "Avril",   "Bracket 1", "Bracket 2", "Circle 1", "Circle 2",         "Cross 1",
    "Cross 2",     "Cross 3", "Cross 4",   "Cross 5",   "Dot",      "Grenade Launcher", "Hidden",
    "Mine Layer",  "Pointer", "Tank",      "Triad 1",   "Triad 2",  "Triad 3"};

QCheckBox* AddCheck(INI& window, QWidget* parent, const char* caption, const char* name,
                    int index) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString(name) + QString::number(index));
    window.Controls().Add(name, index, box);
    return box;
}

}  // namespace

WeaponsTab::WeaponsTab(INI& window) : QObject(window.Tab("weapons")), window_(window) {
    setObjectName("WeaponsTab");
    for (int k = 0; k < static_cast<int>(kPanelCaptions.size()); ++k) BuildPanel(k);
}

void WeaponsTab::BuildPanel(int k) {
    QWidget* page = window_.Tab("weapons");
    ControlRegistry& controls = window_.Controls();
    auto* frame = new QGroupBox(kPanelCaptions[static_cast<size_t>(k)], page);
    frame->setObjectName(QString("Frame7%1").arg(k));
    controls.Add("Frame7", k, frame);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    int row = 0;
    grid->addWidget(AddCheck(window_, frame, "Switch Fire Mode", "c_SwapFire", k), row++, 0, 1, 2);
    grid->addWidget(AddCheck(window_, frame, "Use Old Weapon Mesh", "c_OldMesh", k), row++, 0, 1,
                    2);
    if (k == 15) {
        grid->addWidget(AddCheck(window_, frame, "Previous Weapon Switch", "c_OldMesh", 16), row++,
                        0, 1, 2);
    }
    AddCommField(window_, 12 + k, grid, row++);

    // A drop-down list: a crosshair name the game does not know cannot be typed in.
    auto* cross = new QComboBox(frame);
    cross->setObjectName(QString("cbx_Cross%1").arg(k));
    for (const char* name : kCrosshairList) cross->addItem(name);
    cross->setCurrentIndex(-1);
    controls.Add("cbx_Cross", k, cross);
    connect(cross, &QComboBox::activated, this, [this, k] { cbx_Cross_Click(k); });
    grid->addWidget(new QLabel("Cross Hair", frame), row, 0);
    grid->addWidget(cross, row++, 1);

    auto* preview = new PictureBox(frame);
    preview->setObjectName(QString("p_CrossPic%1").arg(k));
    preview->setFocusPolicy(Qt::NoFocus);
    preview->setFixedSize(48, 48);
    controls.Add("p_CrossPic", k, preview);
    grid->addWidget(preview, 0, 2, row, 1, Qt::AlignTop | Qt::AlignRight);
    grid->setRowStretch(row, 1);

    PageRow(page, k / kColumns)->addWidget(frame, 1);
}

void WeaponsTab::cbx_Cross_Click(int index) {
    window_.Controls().SetPicture(
        {"p_CrossPic", index}, CrosshairPicturePath(window_.Controls().Text({"cbx_Cross", index})));
}

}  // namespace kestrane
