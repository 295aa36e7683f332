#include "editor/widgets/numeric_field.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QToolButton>

#include "editor/store/program_state.h"
#include "platform/base/ansi.h"
#include "platform/message_box.h"

namespace kestrane {

NumericField::NumericField(QLineEdit* box, const FieldRule& rule, const StepRule& steps)
    : QObject(box), box_(box), rule_(rule), steps_(steps) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &NumericField::Change);
    connect(box, &QLineEdit::returnPressed, this, &NumericField::FinishTyping);
}

bool NumericField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        if (event->type() == QEvent::FocusIn) GotFocus();
        if (event->type() == QEvent::FocusOut) FinishTyping();
        // A box greyed out for a key its file lacks takes its buttons with it.
        if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ToolTipChange) {
            for (QAbstractButton* button : steppers_) {
                if (!button) continue;
                button->setEnabled(box_->isEnabled());
                button->setToolTip(box_->toolTip());
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void NumericField::GotFocus() {
    State().savedFieldText = platform::ToAnsi(box_->text());
}

// The rule's own nesting (each text it writes runs it again) is worked out by the rule; the
// box then takes the text it comes to rest on, in one setting, before the change returns. What
// the player types (or pastes) may be the start of what they mean to type, and meets the typing
// rule until they are done; a text set any other way meets the whole rule at once.
void NumericField::Change() {
    if (showing_) return;
    typing_ = box_->isModified() && !State().fillingTabs;
    if (State().fillingTabs) return;
    const std::string text = platform::ToAnsi(box_->text());
    Show(typing_ ? TextWhileTyping(text, State().savedFieldText, rule_)
                 : TextAfterChange(text, State().savedFieldText, rule_));
}

void NumericField::FinishTyping() {
    if (!typing_) return;
    typing_ = false;
    Show(TextAfterChange(platform::ToAnsi(box_->text()), State().savedFieldText, rule_));
}

void FinishTypingInFocusedField() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    for (NumericField* field : focus->findChildren<NumericField*>(Qt::FindDirectChildrenOnly)) {
        if (field->Box() == focus) field->FinishTyping();
    }
}

void NumericField::StepUp() {
    const std::string text = platform::ToAnsi(box_->text());
    if (Refused(StepRefusal(text, rule_, steps_, true))) return;
    typing_ = false;
    Show(TextAfterStepUp(text, State().savedFieldText, rule_, steps_));
}

void NumericField::StepDown() {
    const std::string text = platform::ToAnsi(box_->text());
    if (Refused(StepRefusal(text, rule_, steps_, false))) return;
    typing_ = false;
    Show(TextAfterStepDown(text, State().savedFieldText, rule_, steps_));
}

// A step that cannot count from the box's text leaves it alone, and the player is told why.
bool NumericField::Refused(const std::optional<std::string>& why) {
    if (!why) return false;
    platform::ShowMessage(*why, platform::MsgButtons::Ok, {}, box_->window());
    return true;
}

void NumericField::Show(const std::string& text) {
    const QString shown = platform::FromAnsi(text);
    if (shown == box_->text()) return;
    showing_ = true;
    box_->setText(shown);
    showing_ = false;
}

QToolButton* MakeStepButton(bool up, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    button->setFixedSize(18, 11);
    return button;
}

void ConnectSteppers(NumericField* field, QAbstractButton* up, QAbstractButton* down) {
    QObject::connect(up, &QAbstractButton::clicked, field, &NumericField::StepUp);
    QObject::connect(down, &QAbstractButton::clicked, field, &NumericField::StepDown);
    field->AddSteppers(up, down);
}

}  // namespace kestrane
