#include "editor/windows/tabs/key_binding_tabs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/binding/bind_commands.h"
#include "editor/store/bind_boxes.h"
#include "editor/widgets/bind_box.h"
#include "editor/widgets/key_capture.h"
#include "editor/windows/main/bind_box_array.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/tab_page.h"

namespace kestrane {
namespace {

struct CommandRange {
    int first = 0;
    int last = -1;  // empty when below `first`
};

// A group of bind rows under one heading (or in one captioned frame), in a column of its tab.
struct BindGroup {
    std::string_view tab;
    int column;
    std::string_view heading;
    bool frame;           // a captioned frame rather than a heading
    bool columnCaptions;  // "A C T I O N", "K E Y 1", "K E Y 2" over the rows
    std::array<CommandRange, 2> rows;
};

constexpr std::array<BindGroup, 8> kBindGroups = {{
    {"player", 0, "Taunts", true, true, {{{0, 3}}}},
    {"binds", 0, "M O V E M E N T", false, true, {{{4, 11}}}},
    {"binds", 0, "L O O K I N G", false, true, {{{12, 18}}}},
    {"binds", 1, "W E A P O N S", false, true, {{{19, 25}}}},
    // The selection rows continue the weapons group's columns.
    {"binds", 1, "W E A P O N S  S E L E C T I O N", false, false, {{{27, 37}}}},
    {"binds", 2, "G A M E / M I S C", false, true, {{{38, 53}, {26, 26}}}},
    {"comm", 0, "C O M M U N I C A T I O N", false, true, {{{54, 63}}}},
    {"comm", 0, "H U D  C O N F I G", false, true, {{{64, 69}}}},
}};

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* BoldLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(Q(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

BindBox* MakeBox(int index, QWidget* parent) {
    auto* box = new BindBox(parent);
    box->setObjectName(QString("tbx_Bind%1").arg(index));
    // Made at the size the load's font rule gives most names, so the rule seldom resizes one.
    QFont font("Verdana", BindBoxFontSize({}));
    font.setBold(true);
    box->setFont(font);
    box->setFixedWidth(96);
    return box;
}

// The groups of one column share its grid, so that their boxes stand in line.
QWidget* BuildColumn(std::string_view tab, int column, std::vector<QLineEdit*>& boxes,
                     QWidget* parent) {
    QWidget* holder = nullptr;
    QGridLayout* grid = nullptr;
    int row = 0;
    for (const BindGroup& group : kBindGroups) {
        if (group.tab != tab || group.column != column) continue;
        if (!holder) {
            holder = group.frame ? new QGroupBox(Q(group.heading), parent) : new QWidget(parent);
            grid = new QGridLayout(holder);
            grid->setVerticalSpacing(2);
        } else {
            grid->setRowMinimumHeight(row++, 16);  // room between two groups
        }
        if (!group.frame) grid->addWidget(BoldLabel(group.heading, holder), row++, 0, 1, 3);
        if (group.columnCaptions) {
            int at = 0;
            for (std::string_view caption : {"A C T I O N", "K E Y 1", "K E Y 2"}) {
                grid->addWidget(BoldLabel(caption, holder), row, at++, Qt::AlignCenter);
            }
            ++row;
        }
        for (const CommandRange& range : group.rows) {
            for (int k = range.first; k <= range.last; ++k, ++row) {
                grid->addWidget(new QLabel(Q(kBindCommands[k].caption), holder), row, 0);
                for (int box : {2 * k, 2 * k + 1}) {
                    boxes[box] = MakeBox(box, holder);
                    grid->addWidget(boxes[box], row, 1 + box % 2);
                }
            }
        }
    }
    if (holder) holder->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    return holder;
}

// The columns of one tab, side by side.
void BuildTab(INI& window, std::string_view tab, std::vector<QLineEdit*>& boxes) {
    QWidget* page = window.Tab(tab);
    auto* holder = new QWidget(page);
    auto* columns = new QHBoxLayout(holder);
    for (int column = 0;; ++column) {
        QWidget* built = BuildColumn(tab, column, boxes, holder);
        if (!built) break;
        columns->addWidget(built, 0, Qt::AlignTop);
    }
    columns->addStretch();
    if (tab == "binds") {
        PageRow(page, 0)->addWidget(holder, 0, Qt::AlignTop);
        PageRow(page, 0)->addStretch(1);
    } else {
        PageSide(page)->addWidget(holder, 0, Qt::AlignTop);
        PageSide(page)->addStretch(1);
    }
}

// After a capture the focus goes to the player picture, or, while it is not on show, to the
// page in front, so that the box is left either way.
QWidget* CaptureFocusTarget(INI& window) {
    auto* picture = window.findChild<QWidget*>("pb_Player");
    if (picture && picture->isVisible()) return picture;
    return window.CurrentPage();
}

}  // namespace

std::unique_ptr<BindBoxArray> MakeBindBoxes(INI& window) {
    return std::make_unique<BindBoxArray>(window.Controls(), kBindBoxCount,
                                          [&window] { return CaptureFocusTarget(window); });
}

void BuildKeyBindingGroups(INI& window, std::string_view tab) {
    std::vector<QLineEdit*> boxes(kBindBoxCount, nullptr);
    BuildTab(window, tab, boxes);
    BindBoxArray* array = &window.Binds();
    for (int i = 0; i < kBindBoxCount; ++i) {
        auto* box = static_cast<BindBox*>(boxes[static_cast<size_t>(i)]);
        if (!box) continue;  // on another page
        window.Controls().Add("tbx_Bind", i, box);
        array->Adopt(i, box);
        QObject::connect(box, &BindBox::GotFocus, box,
                         [i, array] { tbx_Bind_GotFocus(i, *array); });
        QObject::connect(box, &BindBox::LostFocus, box,
                         [i, array] { tbx_Bind_LostFocus(i, *array); });
        QObject::connect(box, &BindBox::KeyUp, box,
                         [i, array](int code) { tbx_Bind_KeyUp(i, code, *array); });
        QObject::connect(box, &BindBox::MouseDown, box,
                         [i, array](int button) { tbx_Bind_MouseDown(i, button, *array); });
    }
}

}  // namespace kestrane
