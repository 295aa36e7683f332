// Wires a text box and its stepper buttons to the field rule: the box remembers its text in
// the program-wide saved field text when it gets the focus, every change of its text (typed,
// stepped or set from code) runs the rule at once, and the buttons step it. What a load walk
// sets is shown as given: the file's number, even beyond the field's range.
#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>

#include "editor/widgets/field_rule.h"

class QAbstractButton;
class QLineEdit;
class QToolButton;
class QWidget;

namespace kestrane {

class NumericField : public QObject {
    Q_OBJECT

  public:
    // The wiring lives as long as the box.
    NumericField(QLineEdit* box, const FieldRule& rule, const StepRule& steps);

    QLineEdit* Box() const { return box_; }
    // The handlers, as the box and its buttons run them.
    void GotFocus();
    void Change();
    // The player is done typing (the box lost the focus, Return, or a save is about to read
    // it): the limits that waited for more typing act now.
    void FinishTyping();
    void StepUp();
    void StepDown();
    // The buttons that step this box: they are available exactly when the box is.
    void AddSteppers(QAbstractButton* up, QAbstractButton* down) { steppers_ = {up, down}; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Show(const std::string& text);
    bool Refused(const std::optional<std::string>& why);

    QLineEdit* box_;
    FieldRule rule_;
    StepRule steps_;
    bool showing_ = false;
    bool typing_ = false;  // typed since the rule last ran whole
    std::array<QAbstractButton*, 2> steppers_{};
};

// Finishes the typing in the numeric field that has the focus, if one has: run before anything
// reads the fields to save them.
void FinishTypingInFocusedField();

// The up and down arrow buttons beside a field; they take no focus, so a step leaves the
// remembered text alone.
QToolButton* MakeStepButton(bool up, QWidget* parent);
void ConnectSteppers(NumericField* field, QAbstractButton* up, QAbstractButton* down);

}  // namespace kestrane
