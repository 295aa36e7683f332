#include "editor/windows/control_registry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <limits>

#include "editor/windows/picture_box.h"
#include "editor/windows/rich_text_box.h"
#include "platform/base/ansi.h"
#include "platform/base/paths.h"

namespace kestrane {

void ControlRegistry::Add(std::string_view name, int index, QWidget* widget) {
    widgets_[{std::string(name), index}] = widget;
    // A line edit keeps 32,767 characters unless told otherwise; a value from the file may be
    // longer, and a save must write it back whole.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setMaxLength(std::numeric_limits<int>::max());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    }
}

QWidget* ControlRegistry::Find(ControlRef control) const {
    const auto it =
        widgets_.find(std::pair<std::string, int>{std::string(control.name), control.index});
    if (it == widgets_.end()) {
        // A row naming a control the window lacks is a programming error: say which.
        std::fprintf(stderr, "Kestrane: no control %.*s(%d)\n",
                     static_cast<int>(control.name.size()), control.name.data(), control.index);
        return nullptr;
    }
    return it->second;
}

int ControlRegistry::Value(ControlRef control) const {
    if (auto* button = Get<QAbstractButton>(control)) return button->isChecked() ? 1 : 0;
    return 0;
}

void ControlRegistry::SetValue(ControlRef control, int value) {
    if (auto* button = Get<QAbstractButton>(control)) button->setChecked(value != 0);
}

std::string ControlRegistry::Text(ControlRef control) const {
    QWidget* w = Find(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return platform::ToAnsi(edit->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) return platform::ToAnsi(combo->currentText());
    if (auto* rich = qobject_cast<RichTextBox*>(w)) return rich->Text();
    return {};
}

void ControlRegistry::SetText(ControlRef control, const std::string& text) {
    QWidget* w = Find(control);
    // Setting the text a box already shows changes nothing and raises no change event.
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString shown = platform::FromAnsi(text);
        if (edit->text() == shown) return;
        edit->setText(shown);
        // A value wider than its box shows its start: the sign and the whole-number digits.
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QString shown = platform::FromAnsi(text);
        if (combo->currentText() != shown) combo->setCurrentText(shown);
    } else if (auto* rich = qobject_cast<RichTextBox*>(w)) {
        rich->SetText(text);
    }
}

void ControlRegistry::AppendText(ControlRef control, const std::string& text) {
    QWidget* w = Find(control);
    if (auto* rich = qobject_cast<RichTextBox*>(w)) {
        rich->AppendText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(edit->text() + platform::FromAnsi(text));
    }
}

int ControlRegistry::ListCount(ControlRef control) const {
    if (auto* combo = Get<QComboBox>(control)) return combo->count();
    return 0;
}

std::string ControlRegistry::ListItem(ControlRef control, int item) const {
    if (auto* combo = Get<QComboBox>(control)) return platform::ToAnsi(combo->itemText(item));
    return {};
}

void ControlRegistry::SetPicture(ControlRef control, const std::string& windowsPath) {
    auto* box = Get<PictureBox>(control);
    if (!box) return;
    QPixmap picture;
    if (!windowsPath.empty())
        picture.load(QString::fromStdString(platform::ToHostPath(windowsPath)));
    box->SetPicture(picture);  // a missing file leaves the box empty
}

void ControlRegistry::SetBackColor(ControlRef control, std::uint32_t color) {
    QWidget* w = Find(control);
    if (!w) return;
    const QColor c(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                   static_cast<int>((color >> 16) & 0xFF));
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Window, c);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

}  // namespace kestrane

namespace kestrane {

void ControlRegistry::SetAvailable(ControlRef control, bool available, const std::string& tip) {
    QWidget* w = Find(control);
    if (!w) return;
    // Most controls stay available load after load: nothing to tell them then.
    const QString shown = available ? QString() : platform::FromAnsi(tip);
    if (w->toolTip() != shown) w->setToolTip(shown);
    if (w->testAttribute(Qt::WA_Disabled) == available) w->setEnabled(available);
}

}  // namespace kestrane
