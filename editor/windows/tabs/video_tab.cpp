#include "editor/windows/tabs/video_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"
#include "editor/windows/tabs/video_fields.h"

namespace kestrane {
namespace {

constexpr std::array<const char*, 12> kClientCaptions = {"Full Screen",
                                                         "Screen Flashes",
                                                         "Projectors",
                                                         "No Lighting",
                                                         "Decals",
                                                         "Coronas",
                                                         "DecoLayers",
                                                         "Weather Effects",
                                                         "No Dynamic Lights",
                                                         "Report Dynamic Uploads",
                                                         "No Fractal Anim",
                                                         "Use Speech Recognition"};

constexpr std::array<const char*, 13> kResolutions = {
    "320 X 240",   "512 X 384",   "640 X 480",  "800 X 600",  "1024 X 640",
    "846  X 768",  "1024 X 768",  "1152 X 864", "1280 X 960", "1280 X 1024",
    "1600 X 1024", "1680 X 1050", "1920 X 1200"};
constexpr std::array<const char*, 7> kDetails = {"UltraLow", "Lower",  "Low",      "Normal",
                                                 "High",     "Higher", "UltraHigh"};

// The three buttons form one group, but a load may clear all three: Qt's own exclusive group
// would keep one checked, so choosing one clears the others here.
void AddRenderOptions(INI& window, QGridLayout* grid, int row) {
    QWidget* parent = grid->parentWidget();
    std::array<QRadioButton*, 3> buttons{};
    const std::array<const char*, 3> captions = {"Direct3D", "OpenGL", "Software"};
    auto* line = new QHBoxLayout;
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto* b = new QRadioButton(captions[i], parent);
        b->setAutoExclusive(false);
        b->setObjectName(QString("RenOption%1").arg(i));
        window.Controls().Add("RenOption", static_cast<int>(i), b);
        buttons[i] = b;
        line->addWidget(b);
    }
    for (QRadioButton* b : buttons) {
        // A click on the chosen button keeps it chosen, as in any group of option buttons.
        QObject::connect(b, &QRadioButton::clicked, b, [b](bool on) {
            if (!on) b->setChecked(true);
        });
        QObject::connect(b, &QRadioButton::toggled, b, [b, buttons](bool on) {
            if (!on) return;
            for (QRadioButton* other : buttons) {
                if (other != b) other->setChecked(false);
            }
        });
    }
    line->addStretch(1);
    grid->addWidget(new QLabel("Render Device", parent), row, 0);
    grid->addLayout(line, row, 1);
}

void BuildRenderEngine(INI& window, QWidget* page) {
    auto* frame = new QGroupBox("Render Engine Settings", page);
    frame->setObjectName("RenderEngineSettings");
    auto* grid = new QGridLayout(frame);
    int row = 0;
    AddRenderOptions(window, grid, row++);
    AddVideoCombo(window, 0, "FullScreen", kResolutions, grid, row++);
    AddVideoCombo(window, 1, "Windowed", kResolutions, grid, row++);
    AddVideoCombo(window, 9, "Menu", kResolutions, grid, row++);
    AddVideoField(window, kMinRefRateIndex, grid, row++);
    for (int i = 0; i <= 2; ++i) AddVideoField(window, i, grid, row++);
    grid->setRowStretch(row, 1);
    PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
}

void BuildClientSetup(INI& window, QWidget* page) {
    QGridLayout* fields = AddChecksAndFieldsFrame(window, page, "Client Setup", "ClientSetup",
                                                  "c_Video", kClientCaptions);
    int row = 0;
    for (int i = 3; i <= 6; ++i) AddVideoField(window, i, fields, row++);
    const std::array<const char*, 7> details = {
        "Detail Interface", " Detail Terrain",   " Detail Weapon Skin", "Detail Player Skin",
        "Detail World",     "Detail Render map", "Detail Light Map"};
    for (int i = 0; i < 7; ++i) {
        AddVideoCombo(window, 2 + i, details[static_cast<size_t>(i)], kDetails, fields, row++);
    }
    fields->setRowStretch(row, 1);
}

}  // namespace

void BuildVideoTab(INI& window) {
    QWidget* page = window.Tab("video");
    BuildRenderEngine(window, page);
    BuildClientSetup(window, page);
    PageRow(page)->addStretch(1);
}

}  // namespace kestrane
