// The tbx_Bind array over the line edits of the key tabs.
#pragma once

#include <QLineEdit>
#include <functional>
#include <vector>

#include "editor/store/bind_boxes.h"

namespace kestrane {

class BindBoxArray : public BindBoxes {
  public:
    // `focusTarget` names, when a capture ends, the widget that takes the focus (the player
    // picture); asked each time, so it may be built after the boxes.
    BindBoxArray(std::vector<QLineEdit*> boxes, std::function<QWidget*()> focusTarget);
    BindBoxArray(std::vector<QLineEdit*> boxes, QWidget* focusTarget);

    int Count() const override;
    std::string Text(int index) const override;
    void SetText(int index, const std::string& text) override;
    void SetFontSize(int index, int points) override;
    void SetColours(int index, std::uint32_t back, std::optional<std::uint32_t> text) override;
    void MoveFocusAway() override;

    QLineEdit* Box(int index) const { return boxes_[index]; }

  private:
    std::vector<QLineEdit*> boxes_;
    std::function<QWidget*()> focusTarget_;
};

}  // namespace kestrane
