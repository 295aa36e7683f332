// The tbx_Bind array over the line edits of the key tabs.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <vector>

#include "editor/store/bind_boxes.h"

namespace kestrane {

class BindBoxArray : public BindBoxes {
  public:
    // `focusTarget` takes the focus when a capture ends (the player picture).
    BindBoxArray(std::vector<QLineEdit*> boxes, QWidget* focusTarget);

    int Count() const override;
    std::string Text(int index) const override;
    void SetText(int index, const std::string& text) override;
    void SetFontSize(int index, int points) override;
    void MoveFocusAway() override;

    QLineEdit* Box(int index) const { return boxes_[index]; }

  private:
    std::vector<QLineEdit*> boxes_;
    QPointer<QWidget> focusTarget_;
};

}  // namespace kestrane
