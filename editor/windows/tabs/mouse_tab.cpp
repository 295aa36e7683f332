#include "editor/windows/tabs/mouse_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/arrow_field.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"

namespace kestrane {
namespace {

struct Check {
    const char* caption;
    const char* name;
    int index;
};

// What each frame holds, top to bottom: its switches, then its fields by index.
struct Frame {
    const char* caption;
    std::initializer_list<Check> checks;
    std::initializer_list<int> fields;
};

const Frame kFrames[] = {
    {"Mouse",
     {{"Invert Mouse", "c_Mouse", 0},
      {"Always Mouse Look", "c_Mouse", 2},
      {"Mouse Smoothing", "chk_SmoothMouse", -1}},
     {1, 2, 3, 4, 5}},
    {"Assault Settings",
     {{"HUD Objective Notification", "c_Assault", 0},
      {"Show Info Pods", "c_Assault", 1},
      {"Draw All Objectives", "c_Assault", 2},
      {"Show3D Arrow", "c_Assault", 3},
      {"Objective Reminder", "c_Assault", 4}},
     {8, 9, 10, 11}},
    {"OnSlaught Settings",
     {{"Draw Radar", "c_Assault", 5},
      {"Show Willow Whisp", "c_Assault", 6},
      {"Draw Radar Cardinal Points", "c_Assault", 7},
      {"Show Node Beams", "c_Assault", 8}},
     {0, 6, 7, 12, 13}},
};

void AddMouseField(INI& window, int index, QGridLayout* grid, int row) {
    // The sampling time is shown whole.
    AddArrowField(window, kMouseFields.at(static_cast<size_t>(index)),
                  {"tbx_Mouse", "b_MouseAdd", "b_MouseSub"}, index, grid, row, 0,
                  index == 3 ? 80 : 56);
}

}  // namespace

MouseTab::MouseTab(INI& window) : QObject(window.Tab("mouse")), window_(window) {
    setObjectName("MouseTab");
    QWidget* page = window.Tab("mouse");
    for (const Frame& f : kFrames) {
        auto* frame = new QGroupBox(f.caption, page);
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(4);
        int row = 0;
        for (const Check& c : f.checks) {
            auto* box = new QCheckBox(c.caption, frame);
            box->setObjectName(c.index < 0 ? QString(c.name)
                                           : QString(c.name) + QString::number(c.index));
            window.Controls().Add(c.name, c.index, box);
            grid->addWidget(box, row++, 0, 1, 2);
        }
        for (int index : f.fields) AddMouseField(window, index, grid, row++);
        grid->setRowStretch(row, 1);
        PageRow(page)->addWidget(frame, 0, Qt::AlignTop);
    }
    PageRow(page)->addStretch(1);
}

}  // namespace kestrane
