#include "editor/windows/bind_box_array.h"

#include <QApplication>
#include <QPointer>
#include <algorithm>

#include "platform/base/ansi.h"

namespace kestrane {
namespace {

QColor FromColourValue(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

BindBoxArray::BindBoxArray(std::vector<QLineEdit*> boxes, std::function<QWidget*()> focusTarget)
    : boxes_(std::move(boxes)), focusTarget_(std::move(focusTarget)) {}

BindBoxArray::BindBoxArray(std::vector<QLineEdit*> boxes, QWidget* focusTarget)
    : BindBoxArray(std::move(boxes),
                   [target = QPointer<QWidget>(focusTarget)]() -> QWidget* { return target; }) {}

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

void BindBoxArray::SetColours(int index, std::uint32_t back, std::optional<std::uint32_t> text) {
    QLineEdit* box = boxes_[index];
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, FromColourValue(back));
    palette.setColor(QPalette::Text, text ? FromColourValue(*text)
                                          : QApplication::palette(box).color(QPalette::Text));
    box->setPalette(palette);
}

void BindBoxArray::MoveFocusAway() {
    QWidget* had = QApplication::focusWidget();
    if (QWidget* target = focusTarget_ ? focusTarget_() : nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
    // The capture ends even when no target could take the focus.
    if (had && QApplication::focusWidget() == had &&
        std::find(boxes_.begin(), boxes_.end(), had) != boxes_.end()) {
        had->clearFocus();
    }
}

}  // namespace kestrane
