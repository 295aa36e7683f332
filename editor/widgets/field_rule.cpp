#include "editor/widgets/field_rule.h"

#include <algorithm>
#include <cmath>

#include "editor/store/number_readings.h"
#include "editor/store/text_routines.h"

namespace kestrane {
namespace {

// A field's text with its change handler: every text set that differs from the present one
// runs the handler at once, nested, before the setting returns.
class Field {
  public:
    Field(std::string_view text, std::string_view saved, const FieldRule& rule)
        : text_(text), saved_(saved), rule_(rule) {}

    const std::string& Text() const { return text_; }

    void Set(std::string text) {
        if (text == text_) return;
        text_ = std::move(text);
        // Rules whose bounds replace each other's texts (possible in locales without "."
        // as decimal separator) must come to rest: the nesting is cut off deep down.
        if (depth_ >= kMaxDepth) return;
        ++depth_;
        Change();
        --depth_;
    }

    void Change() {
        if (rule_.freeText) return;
        if (!IsNumericText(text_)) {
            Set(saved_);
            if (rule_.zeroRule) ZeroRule();
            return;
        }
        // The game reads only "." as decimal point: a typed locale separator becomes one, and
        // the text so written runs the rule.
        if (std::string dotted = WithDecimalPoint(text_); dotted != text_) {
            Set(std::move(dotted));
            return;
        }
        if (rule_.upperFirst) {
            Upper();
            Lower();
        } else {
            Lower();
            Upper();
        }
        if (rule_.zeroRule) ZeroRule();
    }

  private:
    static constexpr int kMaxDepth = 32;

    void Lower() {
        if (rule_.lower && FieldNumber(text_) <= *rule_.lower) Set(BoundText(*rule_.lower));
    }
    void Upper() {
        if (!rule_.upper) return;
        const double reading = rule_.upperReadsLocale && IsNumericText(text_) ? LocaleNumber(text_)
                                                                              : FieldNumber(text_);
        if (reading >= *rule_.upper) Set(BoundText(*rule_.upper));
    }
    void ZeroRule() {
        if (FieldNumber(text_) <= 0) Set("0");
    }

    std::string text_;
    std::string saved_;
    const FieldRule& rule_;
    int depth_ = 0;
};

// The bound a step from a number past a double's range stops at: for a number above every
// double, the up button's cap or else the upper bound; below every double, the down button's
// floor or else the lower bound.
std::optional<double> BoundBeyond(double reading, const FieldRule& rule, const StepRule& step,
                                  bool up) {
    if (reading > 0) return up && step.cap ? step.cap : rule.upper;
    return !up && step.floor ? step.floor : rule.lower;
}

// The text one press sets before any limit acts.
std::string SteppedText(std::string_view text, const FieldRule& rule, const StepRule& step,
                        bool up) {
    const double reading = FieldNumber(text);
    if (!std::isfinite(reading)) {
        const auto bound = BoundBeyond(reading, rule, step, up);
        return bound ? BoundText(*bound) : std::string(text);
    }
    const double stepped = up ? reading + step.step : reading - step.step;
    if (!step.integer) return NumberText(stepped);
    // Nearest whole number, halves to the even one, and never past what the game's integer holds.
    return IntegerText(
        std::clamp(std::nearbyint(stepped), kGameIntegerLowest, kGameIntegerHighest));
}

}  // namespace

std::string NoNumberToStepFrom(std::string_view text) {
    return "\"" + std::string(text) +
           "\" is not a plain number, so a step cannot count from it: the setting keeps its "
           "text. Type a number to change it.";
}

std::string NoWholeNumberToStepFrom(std::string_view text) {
    return "\"" + std::string(text) +
           "\" lies outside the whole numbers the game holds for this setting (-2147483648 to "
           "2147483647), so a step cannot count from it: the setting keeps its text. Type a "
           "number to change it.";
}

std::optional<std::string> StepRefusal(std::string_view text, const FieldRule& rule,
                                       const StepRule& step, bool up) {
    const std::string_view number = Unblanked(text);
    if (number.empty()) return std::nullopt;
    if (!IsPlainNumber(WithDecimalPoint(number))) return NoNumberToStepFrom(text);
    const double reading = FieldNumber(text);
    if (step.integer && std::isfinite(reading) &&
        (reading < kGameIntegerLowest || reading > kGameIntegerHighest)) {
        return NoWholeNumberToStepFrom(text);
    }
    if (std::isfinite(reading) || BoundBeyond(reading, rule, step, up)) return std::nullopt;
    return "\"" + std::string(text) +
           "\" is beyond the numbers a step can count from, and this field has no bound on that "
           "side to stop at: the setting keeps its text. Type a number to change it.";
}

std::string TextWhileTyping(std::string_view text, std::string_view saved, const FieldRule& rule) {
    if (rule.freeText || IsStartOfNumber(text)) return std::string(text);
    if (!IsNumericText(text)) return TextAfterChange(text, saved, rule);
    const std::string dotted = WithDecimalPoint(text);
    // An upper limit acts once no typing on can bring the number back below it: digits typed
    // after the bound's text only keep it there. A lower limit (and the zero rule) waits for the
    // player to finish, since digits typed after its text would make another number of it.
    const double reading = rule.upperReadsLocale ? LocaleNumber(dotted) : FieldNumber(dotted);
    const bool settled =
        rule.upper && reading >= *rule.upper && LowestByTyping(dotted, reading) >= *rule.upper;
    return settled ? TextAfterChange(dotted, saved, rule) : dotted;
}

std::string TextAfterChange(std::string_view text, std::string_view saved, const FieldRule& rule) {
    Field field(text, saved, rule);
    field.Change();
    return field.Text();
}

std::string TextAfterStepUp(std::string_view text, std::string_view saved, const FieldRule& rule,
                            const StepRule& step) {
    Field field(text, saved, rule);
    field.Set(SteppedText(text, rule, step, true));
    if (step.cap) {
        const std::string& now = field.Text();
        const double reading = IsNumericText(now) ? LocaleNumber(now) : FieldNumber(now);
        if (reading >= *step.cap) field.Set(BoundText(*step.cap));
    }
    return field.Text();
}

std::string TextAfterStepDown(std::string_view text, std::string_view saved, const FieldRule& rule,
                              const StepRule& step) {
    Field field(text, saved, rule);
    field.Set(SteppedText(text, rule, step, false));
    if (step.floor && FieldNumber(field.Text()) <= *step.floor) {
        field.Set(BoundText(*step.floor));
    }
    return field.Text();
}

}  // namespace kestrane
