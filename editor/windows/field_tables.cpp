#include "editor/windows/field_tables.h"

namespace kestrane {
namespace {

constexpr FieldRule Bounds(std::optional<double> lower, std::optional<double> upper = {}) {
    FieldRule rule;
    rule.lower = lower;
    rule.upper = upper;
    return rule;
}

constexpr FieldRule UpperByLocale(FieldRule rule) {
    rule.upperReadsLocale = true;
    return rule;
}

constexpr StepRule Steps(double step, std::optional<double> cap = {},
                         std::optional<double> floor = {}) {
    StepRule steps;
    steps.step = step;
    steps.cap = cap;
    steps.floor = floor;
    return steps;
}

constexpr std::optional<double> kNone;

// Any numeric text stays, negative ones too; only the steppers stop at 0 and 2.
constexpr FieldRow kCrosshairScale{"Cross Hair Scale", FieldRule{}, Steps(0.2, 2, 0)};

// tbx_Comm(0..11): voices, HUD, console and network.
constexpr std::array<FieldRow, 12> kMessageFields = {{
    {"Text To Speach Vol", Bounds(0, 9), Steps(1, 9, 0)},
    {"Announcer Volume", Bounds(0, 9), Steps(1, 9, 0)},
    {"Announcer Level", Bounds(0, 9), Steps(1, 9, 0)},
    {"Ambient Sound", Bounds(0, 1), Steps(0.1, 1, 0)},
    {"Hud Opaciity", UpperByLocale(Bounds(0, 255)), Steps(5, 255, 0)},
    {"Hud Scale", Bounds(0, 9), Steps(0.1, 1, 0)},
    {"Message Count", Bounds(0, 8), Steps(1, kNone, 0)},
    {"Font Size", Bounds(0, 8), Steps(1, kNone, 0)},
    {"Msg Font Offset", Bounds(0, 4), Steps(1, kNone, 0)},
    {"Ping Threshold", Bounds(0), Steps(100, kNone, 0)},
    {"Internet Speed", Bounds(0), Steps(1000, kNone, 0)},
    {"Lan Speed", Bounds(0), Steps(1000, kNone, 0)},
}};

// tbx_Comm(12..27) are the sixteen crosshair scales.
constexpr std::array<FieldRow, 28> CommFields() {
    std::array<FieldRow, 28> all{};
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = i < kMessageFields.size() ? kMessageFields[i] : kCrosshairScale;
    }
    return all;
}

}  // namespace

const std::array<FieldRow, 28> kCommFields = CommFields();

// No own cap or floor: the change rule stops the steppers.
const std::array<ViewFieldRow, 3> kViewFields = {{
    {"tbx_Bob", {"Player Bob", Bounds(0, 1), Steps(0.001)}},
    {"tbx_FOV", {"Desired FOV", Bounds(0, 180), Steps(5)}},
    {"tbx_FOV2", {"Default FOV", Bounds(0, 180), Steps(5)}},
}};

}  // namespace kestrane
