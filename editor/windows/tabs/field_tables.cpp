#include "editor/windows/tabs/field_tables.h"

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

// A key the game reads as a whole number (it writes it without a fraction).
constexpr StepRule Whole(StepRule steps) {
    steps.integer = true;
    return steps;
}

// Any numeric text stays, negative ones too; only the steppers stop at 0 and 2.
constexpr FieldRow kCrosshairScale{"Cross Hair Scale", FieldRule{}, Steps(0.2, 2, 0)};

// tbx_Comm(0..11): voices, HUD, console and network.
constexpr std::array<FieldRow, 12> kMessageFields = {{
    {"Text To Speach Vol", Bounds(0, 9), Steps(1, 9, 0)},
    {"Announcer Volume", Bounds(0, 9), Whole(Steps(1, 9, 0))},
    {"Announcer Level", Bounds(0, 9), Whole(Steps(1, 9, 0))},
    {"Ambient Sound", Bounds(0, 1), Steps(0.1, 1, 0)},
    {"Hud Opaciity", UpperByLocale(Bounds(0, 255)), Steps(5, 255, 0)},
    {"Hud Scale", Bounds(0, 9), Steps(0.1, 1, 0)},
    {"Message Count", Bounds(0, 8), Whole(Steps(1, kNone, 0))},
    {"Font Size", Bounds(0, 8), Whole(Steps(1, kNone, 0))},
    {"Msg Font Offset", Bounds(0, 4), Whole(Steps(1, kNone, 0))},
    {"Ping Threshold", Bounds(0), Steps(100, kNone, 0)},
    {"Internet Speed", Bounds(0), Whole(Steps(1000, kNone, 0))},
    {"Lan Speed", Bounds(0), Whole(Steps(1000, kNone, 0))},
}};

// tbx_Comm(12..27) are the sixteen crosshair scales.
constexpr std::array<FieldRow, 28> CommFields() {
    std::array<FieldRow, 28> all{};
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = i < kMessageFields.size() ? kMessageFields[i] : kCrosshairScale;
    }
    return all;
}

constexpr FieldRule MouseBounds(std::optional<double> upper, std::optional<double> lower = {}) {
    FieldRule rule = Bounds(lower, upper);
    rule.upperFirst = true;
    rule.zeroRule = true;
    return rule;
}

constexpr FieldRule FreeText() {
    FieldRule rule;
    rule.freeText = true;
    return rule;
}

}  // namespace

const std::array<FieldRow, 14> kMouseFields = {{
    {"Radar Map Scale", MouseBounds(0.5, 0.1), Steps(0.1, kNone, 0.1)},
    {"Smoothing Strength", MouseBounds(1), Steps(0.1, kNone, 0)},
    {"Mouse Sensitivity", MouseBounds(25, 0.25), Steps(0.1, kNone, 0.25)},
    {"Sampling Time", MouseBounds(kNone), Steps(0.001, kNone, 0)},
    {"Accel Threshold", MouseBounds(100), Steps(1)},
    {"Doublbe Click Time", MouseBounds(1), Steps(0.1, kNone, 0)},
    {"Radar Pos X", MouseBounds(1, 0.2), Steps(0.1, kNone, 0)},
    {"Radar Pos Y", MouseBounds(0.73), Steps(0.1, kNone, 0)},
    {"Objective Progress Pulse Time", MouseBounds(kNone), Steps(1)},
    {"Radar Pos Y", MouseBounds(kNone), Steps(0.1, kNone, 0)},
    {"Radar Pos X", MouseBounds(1), Steps(0.1, kNone, 0)},
    {"Objective Scale", MouseBounds(4), Steps(0.1, kNone, 0)},
    {"Radar Icon Scale", MouseBounds(4), Steps(0.1, kNone, 0)},
    {"Radar Map Opacity", MouseBounds(255), Steps(5, kNone, 0)},
}};

const std::array<FieldRow, 4> kChatFields = {{
    {"Nick Name", FreeText(), Steps(0)},
    {"Full Name", FreeText(), Steps(0)},
    {"Max Chat Scroll Back", FieldRule{}, Steps(0)},
    {"Input History Size", FieldRule{}, Steps(0)},
}};

// The plus button's cap reads the leading number; its texts are always plain numbers, so the
// shared cap test reads the same.
const FieldRow kColourChannel{"",
                              [] {
                                  FieldRule rule = Bounds(0, 255);
                                  rule.upperFirst = true;
                                  return rule;
                              }(),
                              Steps(5, 255, 0)};

const std::array<FieldRow, 28> kCommFields = CommFields();

// No own cap or floor: the change rule stops the steppers.
const std::array<ViewFieldRow, 3> kViewFields = {{
    {"tbx_Bob", {"Player Bob", Bounds(0, 1), Steps(0.001)}},
    {"tbx_FOV", {"Desired FOV", Bounds(0, 180), Steps(5)}},
    {"tbx_FOV2", {"Default FOV", Bounds(0, 180), Steps(5)}},
}};

namespace {

// Gamma, brightness and contrast test their upper bound first; every other video field only
// puts back a text that is not a number. The minus buttons stop at 0 but for the mip biases
// and the minimum frame rate.
constexpr FieldRule UpperFirst(double lower, double upper) {
    FieldRule rule = Bounds(lower, upper);
    rule.upperFirst = true;
    return rule;
}

constexpr StepRule Down0(double step) {
    return Steps(step, kNone, 0);
}

}  // namespace

const std::array<FieldRow, 35> kVideoFields = {{
    {"Gamma", UpperFirst(0, 2.5), Down0(0.1)},
    {"Brightness", UpperFirst(0, 1), Down0(0.1)},
    {"Contrast", UpperFirst(0, 1), Down0(0.1)},
    {"Anim Mesh Dynamic LOD", FieldRule{}, Down0(0.1)},
    {"Texture Max LOD", FieldRule{}, Down0(0.1)},
    {"Texture Min LOD", FieldRule{}, Down0(0.1)},
    {"Draw Distance LOD", FieldRule{}, Down0(0.1)},
    {"Desired Refresh Rate", FieldRule{}, Whole(Down0(5))},
    {"Level Of Anisotropy", FieldRule{}, Down0(0.1)},
    {"Detail TexMipBias", FieldRule{}, Steps(0.1)},
    {"Default TexMipBias", FieldRule{}, Steps(0.1)},
    {"Tesselation Factor", FieldRule{}, Down0(0.1)},
    {"Terrain LOD", FieldRule{}, Down0(0.1)},
    {"Max Texture Units", FieldRule{}, Whole(Down0(1))},
    {"Level Of Anisotropy", FieldRule{}, Down0(0.1)},
    {"Detail TexMipBias", FieldRule{}, Steps(0.1)},
    {"VAR Size", FieldRule{}, Whole(Down0(1))},
    {"AppleVA", FieldRule{}, Down0(0.1)},
    {"Default TexMipBias", FieldRule{}, Steps(1)},
    {"Terrain LOD", FieldRule{}, Whole(Down0(1))},
    {"Filter Quality 3D", FieldRule{}, Whole(Down0(1))},
    {"Filter Quality Hud", FieldRule{}, Whole(Down0(1))},
    {"Max EAX Version", FieldRule{}, Whole(Down0(5))},
    {"Channels", FieldRule{}, Whole(Down0(1))},
    {"Music Volume", FieldRule{}, Down0(0.1)},
    {"Ambient Volume", FieldRule{}, Down0(0.1)},
    {"Sound Volume", FieldRule{}, Down0(0.1)},
    {"Voice Volume", FieldRule{}, Down0(0.1)},
    {"Volume Scale Rec", FieldRule{}, Down0(0.1)},
    {"Doppler Factor", FieldRule{}, Down0(0.1)},
    {"Rolloff", FieldRule{}, Down0(0.1)},
    {"Time Btwn HW Updates", FieldRule{}, Down0(5)},
    {"Spatialized Voice Radius", FieldRule{}, Down0(1000)},
    {"Local Offset", FieldRule{}, Down0(0.1)},
    {"Min Refresh Rate", FieldRule{}, Steps(5)},
}};

}  // namespace kestrane
