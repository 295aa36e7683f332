#include "editor/windows/bind_box_array.h"

#include "platform/base/ansi.h"

namespace kestrane {

BindBoxArray::BindBoxArray(std::vector<QLineEdit*> boxes, QWidget* focusTarget)
    : boxes_(std::move(boxes)), focusTarget_(focusTarget) {}

int BindBoxArray::Count() const {
    return static_cast<int>(boxes_.size());
}

std::string BindBoxArray::Text(int index) const {
    return platform::ToAnsi(boxes_[index]->text());
}

void BindBoxArray::SetText(int index, const std::string& text) {
    boxes_[index]->setText(platform::FromAnsi(text));
}

void BindBoxArray::SetFontSize(int index, int points) {
    QFont font = boxes_[index]->font();
    if (font.pointSize() == points) return;
    font.setPointSize(points);
    boxes_[index]->setFont(font);
}

void BindBoxArray::MoveFocusAway() {
    if (focusTarget_) focusTarget_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrane
