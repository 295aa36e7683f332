#include "editor/windows/main/bind_box_array.h"

#include <QApplication>

#include "editor/widgets/key_capture.h"
#include "editor/windows/main/control_registry.h"

namespace kestrane {
namespace {

constexpr std::string_view kBox = "tbx_Bind";

QColor FromColourValue(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

BindBoxArray::BindBoxArray(ControlRegistry& controls, int count,
                           std::function<QWidget*()> focusTarget)
    : controls_(controls),
      looks_(static_cast<size_t>(count), Look{BindBoxFontSize({}), kBindBoxBack, std::nullopt}),
      focusTarget_(std::move(focusTarget)) {}

int BindBoxArray::Count() const {
    return static_cast<int>(looks_.size());
}

QLineEdit* BindBoxArray::Box(int index) const {
    return controls_.BuiltAs<QLineEdit>({kBox, index});
}

std::string BindBoxArray::Text(int index) const {
    return controls_.Text({kBox, index});
}

void BindBoxArray::SetText(int index, const std::string& text) {
    controls_.SetText({kBox, index}, text);
}

void BindBoxArray::SetFontSize(int index, int points) {
    looks_[static_cast<size_t>(index)].fontSize = points;
    QLineEdit* box = Box(index);
    if (!box) return;
    QFont font = box->font();
    if (font.pointSize() == points) return;
    font.setPointSize(points);
    box->setFont(font);
}

void BindBoxArray::SetColours(int index, std::uint32_t back, std::optional<std::uint32_t> text) {
    Look& look = looks_[static_cast<size_t>(index)];
    look.back = back;
    look.text = text;
    if (QLineEdit* box = Box(index)) ShowColours(box, look);
}

void BindBoxArray::ShowColours(QLineEdit* box, const Look& look) {
    const bool resting = look.back == kBindBoxBack && !look.text;
    if (resting && restingPalette_) {
        box->setPalette(*restingPalette_);
        return;
    }
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, FromColourValue(look.back));
    palette.setColor(QPalette::Text, look.text ? FromColourValue(*look.text)
                                               : QApplication::palette(box).color(QPalette::Text));
    box->setPalette(palette);
    if (resting) restingPalette_ = palette;
}

void BindBoxArray::Adopt(int index, QLineEdit* box) {
    const Look& look = looks_[static_cast<size_t>(index)];
    QFont font = box->font();
    if (font.pointSize() != look.fontSize) {
        font.setPointSize(look.fontSize);
        box->setFont(font);
    }
    ShowColours(box, look);
}

void BindBoxArray::MoveFocusAway() {
    QWidget* had = QApplication::focusWidget();
    if (QWidget* target = focusTarget_ ? focusTarget_() : nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
    // The capture ends even when no target could take the focus.
    if (!had || QApplication::focusWidget() != had) return;
    for (int i = 0; i < Count(); ++i) {
        if (Box(i) == had) {
            had->clearFocus();
            return;
        }
    }
}

}  // namespace kestrane
