#include "editor/windows/main/control_registry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <limits>

#include "editor/store/program_state.h"
#include "editor/widgets/picture_box.h"
#include "editor/widgets/rich_text_box.h"
#include "platform/base/ansi.h"
#include "platform/base/paths.h"

namespace kestrane {
namespace {

// Looked up without making a string of the name.
std::pair<std::string_view, int> Lookup(ControlRef control) {
    return {control.name, control.index};
}

std::string Named(const std::pair<std::string, int>& key) {
    return key.first + "(" + std::to_string(key.second) + ")";
}

}  // namespace

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

QWidget* ControlRegistry::Built(ControlRef control) const {
    const auto it = widgets_.find(Lookup(control));
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* ControlRegistry::Find(ControlRef control) {
    if (QWidget* w = Built(control)) return w;
    if (buildPageOf_) buildPageOf_(control);
    if (QWidget* w = Built(control)) return w;
    // A row naming a control the window lacks is a programming error: say which.
    std::fprintf(stderr, "Kestrane: no control %.*s(%d)\n", static_cast<int>(control.name.size()),
                 control.name.data(), control.index);
    return nullptr;
}

const ControlRegistry::Kept* ControlRegistry::KeptFor(ControlRef control) const {
    if (const auto it = kept_.find(Lookup(control)); it != kept_.end()) return &it->second;
    if (readUnbuilt_.find(Lookup(control)) == readUnbuilt_.end()) {
        readUnbuilt_.emplace(std::string(control.name), control.index);
    }
    return nullptr;
}

ControlRegistry::Kept& ControlRegistry::KeptAt(ControlRef control) {
    if (const auto it = kept_.find(Lookup(control)); it != kept_.end()) return it->second;
    return kept_[{std::string(control.name), control.index}];
}

QWidget* ControlRegistry::WidgetForWrite(ControlRef control) {
    if (QWidget* w = Built(control)) return w;
    return State().fillingTabs ? nullptr : Find(control);
}

void ControlRegistry::TakeOverKept() {
    FillingTabs filling(State());
    std::vector<std::pair<QWidget*, Kept>> taken;
    for (auto it = kept_.begin(); it != kept_.end();) {
        const auto w = widgets_.find(it->first);
        if (w == widgets_.end()) {
            ++it;
            continue;
        }
        taken.emplace_back(w->second, std::move(it->second));
        it = kept_.erase(it);
    }
    // Values and texts first, as the load set them, so their change handlers (a colour's
    // preview) run as they would have; then what the load set beside them.
    for (const auto& [w, kept] : taken) {
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && kept.value) {
            button->setChecked(*kept.value != 0);
        }
        if (kept.text) ShowText(w, *kept.text);
    }
    for (const auto& [w, kept] : taken) {
        if (kept.availability)
            ShowAvailable(w, kept.availability->first, kept.availability->second);
        if (kept.picture) ShowPicture(w, *kept.picture);
        if (kept.backColor) ShowBackColor(w, *kept.backColor);
    }
}

std::vector<std::string> ControlRegistry::Unclaimed() const {
    std::vector<std::string> names;
    for (const auto& [key, kept] : kept_) names.push_back(Named(key));
    for (const auto& key : readUnbuilt_) {
        if (!widgets_.contains(key) && !kept_.contains(key)) names.push_back(Named(key));
    }
    return names;
}

int ControlRegistry::Value(ControlRef control) const {
    if (QWidget* w = Built(control)) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        return button && button->isChecked() ? 1 : 0;
    }
    const Kept* kept = KeptFor(control);
    return kept && kept->value ? *kept->value : 0;
}

void ControlRegistry::SetValue(ControlRef control, int value) {
    // A page is not built for a write that changes nothing.
    if (!Built(control) && !State().fillingTabs && Value(control) == value) return;
    if (auto* button = qobject_cast<QAbstractButton*>(WidgetForWrite(control))) {
        button->setChecked(value != 0);
    } else if (!Built(control)) {
        KeptAt(control).value = value;
    }
}

std::string ControlRegistry::Text(ControlRef control) const {
    if (QWidget* w = Built(control)) {
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return platform::ToAnsi(edit->text());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return platform::ToAnsi(combo->currentText());
        if (auto* rich = qobject_cast<RichTextBox*>(w)) return rich->Text();
        return {};
    }
    const Kept* kept = KeptFor(control);
    return kept && kept->text ? *kept->text : std::string();
}

void ControlRegistry::SetText(ControlRef control, const std::string& text) {
    // Setting the text a box already shows changes nothing and raises no change event: a
    // page is not built for it.
    if (!Built(control) && !State().fillingTabs && Text(control) == text) return;
    if (QWidget* w = WidgetForWrite(control)) {
        ShowText(w, text);
    } else if (!Built(control)) {
        KeptAt(control).text = text;
    }
}

void ControlRegistry::ShowText(QWidget* w, const std::string& text) {
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
    QWidget* w = WidgetForWrite(control);
    if (!w) {
        if (!Built(control)) KeptAt(control).text = Text(control) + text;
    } else if (auto* rich = qobject_cast<RichTextBox*>(w)) {
        rich->AppendText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(edit->text() + platform::FromAnsi(text));
    }
}

// A list is the widget's own: its page is built to read it.
int ControlRegistry::ListCount(ControlRef control) const {
    auto* combo = qobject_cast<QComboBox*>(const_cast<ControlRegistry*>(this)->Find(control));
    return combo ? combo->count() : 0;
}

std::string ControlRegistry::ListItem(ControlRef control, int item) const {
    auto* combo = qobject_cast<QComboBox*>(const_cast<ControlRegistry*>(this)->Find(control));
    return combo ? platform::ToAnsi(combo->itemText(item)) : std::string();
}

void ControlRegistry::SetPicture(ControlRef control, const std::string& windowsPath) {
    if (QWidget* w = WidgetForWrite(control)) {
        ShowPicture(w, windowsPath);
    } else if (!Built(control)) {
        KeptAt(control).picture = windowsPath;
    }
}

void ControlRegistry::ShowPicture(QWidget* w, const std::string& windowsPath) {
    auto* box = qobject_cast<PictureBox*>(w);
    if (!box) return;
    QPixmap picture;
    if (!windowsPath.empty())
        picture.load(QString::fromStdString(platform::ToHostPath(windowsPath)));
    box->SetPicture(picture);  // a missing file leaves the box empty
}

void ControlRegistry::SetBackColor(ControlRef control, std::uint32_t color) {
    if (QWidget* w = WidgetForWrite(control)) {
        ShowBackColor(w, color);
    } else if (!Built(control)) {
        KeptAt(control).backColor = color;
    }
}

void ControlRegistry::ShowBackColor(QWidget* w, std::uint32_t color) {
    const QColor c(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                   static_cast<int>((color >> 16) & 0xFF));
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Window, c);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void ControlRegistry::SetAvailable(ControlRef control, bool available, const std::string& tip) {
    if (QWidget* w = WidgetForWrite(control)) {
        ShowAvailable(w, available, tip);
    } else if (!Built(control)) {
        KeptAt(control).availability = {available, available ? std::string() : tip};
    }
}

void ControlRegistry::ShowAvailable(QWidget* w, bool available, const std::string& tip) {
    // A control keeps the tip it was built with (the stats boxes' rule) whenever it is
    // available; the missing-key tip stands in for it only while the control is greyed.
    static constexpr const char* kOwnTip = "kestraneOwnTip";
    if (!w->property(kOwnTip).isValid()) w->setProperty(kOwnTip, w->toolTip());
    const QString shown = available ? w->property(kOwnTip).toString() : platform::FromAnsi(tip);
    // Most controls stay available load after load: nothing to tell them then.
    if (w->toolTip() != shown) w->setToolTip(shown);
    if (w->testAttribute(Qt::WA_Disabled) == available) w->setEnabled(available);
}

}  // namespace kestrane
