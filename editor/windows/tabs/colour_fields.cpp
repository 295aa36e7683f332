#include "editor/windows/tabs/colour_fields.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "editor/store/leading_number.h"
#include "editor/store/number_readings.h"
#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"
#include "platform/base/ansi.h"

namespace kestrane {
namespace {

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::uint32_t Paintable(std::string_view text) {
    const int v = RoundToInt16(FieldNumber(text));
    return static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

struct Channel {
    const char* box;
    const char* add;
    const char* sub;
};
constexpr std::array<Channel, 3> kChannels = {{
    {"txb_IRC_Red", "b_IRC_Red_Add", "b_IRC_Red_Sub"},
    {"txb_IRC_Green", "b_IRC_Green_Add", "b_IRC_Green_Sub"},
    {"txb_IRC_Blue", "b_IRC_Blue_Add", "b_IRC_Blue_Sub"},
}};

QToolButton* SignButton(const char* sign, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(sign);
    button->setFocusPolicy(Qt::NoFocus);  // a step leaves the remembered text alone
    button->setFixedSize(16, 11);
    return button;
}

// The crosshair colour frames, by weapon, in the order of the sets 9 to 24.
constexpr std::array<const char*, 16> kWeaponFrames = {
    "REDEEMER",        "ION PAINTER",    "CLASSIC SNIPER",   "LIGHTNING GUN",
    "ROCKET LAUNCHER", "FLAK CANNON",    "GRENADE LAUNCHER", "MINIGUN",
    "AVRiL",           "LINK GUN",       "SHOCK RIFLE",      "MINE LAYER",
    "BIO-RIFLE",       "ASSUALST RIFLE", "SHIELD GUN",       "TRANSLAUNCHER"};

}  // namespace

std::uint32_t PreviewColour(std::string_view red, std::string_view green, std::string_view blue) {
    return Paintable(red) + 256 * Paintable(green) + 65536 * Paintable(blue);
}

void AddColourSet(INI& window, int set, std::string_view caption, QGridLayout* grid, int row) {
    QWidget* parent = grid->parentWidget();
    ControlRegistry& controls = window.Controls();
    auto* preview = new QLineEdit(Q(caption), parent);
    preview->setObjectName(QString("tbx_IRCColor%1").arg(set));
    preview->setReadOnly(true);
    preview->setFocusPolicy(Qt::NoFocus);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFixedWidth(120);
    controls.Add("tbx_IRCColor", set, preview);
    grid->addWidget(preview, row, 0);

    std::array<QLineEdit*, 3> boxes{};
    for (size_t c = 0; c < kChannels.size(); ++c) {
        const Channel& channel = kChannels[c];
        auto* box = new QLineEdit(parent);
        box->setObjectName(QString("%1%2").arg(channel.box).arg(set));
        box->setFixedWidth(40);
        auto* field = new NumericField(box, kColourChannel.rule, kColourChannel.steps);
        auto* add = SignButton("+", parent);
        auto* sub = SignButton("-", parent);
        add->setObjectName(QString("%1%2").arg(channel.add).arg(set));
        sub->setObjectName(QString("%1%2").arg(channel.sub).arg(set));
        ConnectSteppers(field, add, sub);
        controls.Add(channel.box, set, box);
        controls.Add(channel.add, set, add);
        controls.Add(channel.sub, set, sub);
        boxes[c] = box;

        auto* signs = new QVBoxLayout;
        signs->setSpacing(0);
        signs->addWidget(add);
        signs->addWidget(sub);
        auto* line = new QHBoxLayout;
        line->setSpacing(2);
        line->addWidget(box);
        line->addLayout(signs);
        grid->addLayout(line, row, static_cast<int>(c) + 1);
    }
    // Connected after the field rule, so the repaint sees the text the rule left.
    for (QLineEdit* box : boxes) {
        QObject::connect(box, &QLineEdit::textChanged, preview, [&controls, preview, set, boxes] {
            const std::uint32_t colour = PreviewColour(platform::ToAnsi(boxes[0]->text()),
                                                       platform::ToAnsi(boxes[1]->text()),
                                                       platform::ToAnsi(boxes[2]->text()));
            controls.SetBackColor({"tbx_IRCColor", set}, colour);
            // The caption stays readable on a dark colour.
            const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
            QPalette palette = preview->palette();
            palette.setColor(QPalette::Text,
                             r * 299 + g * 587 + b * 114 < 128000 ? Qt::white : Qt::black);
            preview->setPalette(palette);
        });
    }
}

void BuildCommColourSets(INI& window) {
    QWidget* page = window.Tab("comm");
    auto* beacon = page->findChild<QGroupBox*>("BeaconColors");
    auto* beaconLines = beacon ? qobject_cast<QVBoxLayout*>(beacon->layout()) : nullptr;
    if (!beaconLines) return;
    auto* grid = new QGridLayout;
    beaconLines->addLayout(grid);
    // Grids take their parent widget from the frame once added.
    AddColourSet(window, 5, "Blue Team Beacon", grid, 0);
    AddColourSet(window, 6, "Red Team Beacon", grid, 1);
    AddColourSet(window, 7, "Custom Beacon", grid, 2);

    // The HUD colour stands in a frame of its own under the beacon colours.
    auto* hud = new QGroupBox(page);
    hud->setObjectName("HudColor");
    auto* hudGrid = new QGridLayout(hud);
    AddColourSet(window, 8, "Hud Color", hudGrid, 0);
    if (auto* column = qobject_cast<QVBoxLayout*>(PageRow(page)->itemAt(0)->layout())) {
        column->insertWidget(column->indexOf(beacon) + 1, hud);
    }
}

// Each weapon's crosshair colour stands in that weapon's frame, under its crosshair.
void BuildCrosshairColourSets(INI& window) {
    for (int k = 0; k < static_cast<int>(kWeaponFrames.size()); ++k) {
        auto* frame = window.Controls().BuiltAs<QGroupBox>({"Frame7", k});
        auto* grid = frame ? qobject_cast<QGridLayout*>(frame->layout()) : nullptr;
        if (!grid) continue;
        const int row = grid->rowCount() - 1;  // the frame's stretch row
        auto* line = new QGridLayout;
        line->setHorizontalSpacing(4);
        grid->setRowStretch(row, 0);
        grid->addLayout(line, row, 0, 1, grid->columnCount());
        grid->setRowStretch(row + 1, 1);
        AddColourSet(window, 9 + k, "Cross Hair Color", line, 0);
    }
}

}  // namespace kestrane
