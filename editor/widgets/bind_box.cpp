#include "editor/widgets/bind_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/key_codes.h"

namespace kestrane {

BindBox::BindBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    // Reached by the mouse only: a box in the Tab chain would start a capture whenever the
    // window or a page change hands the focus on, and Tab is a key to bind once inside.
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(false);
}

bool BindBox::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Every key belongs to the capture, menu shortcuts included.
            event->accept();
            return true;
        case QEvent::KeyPress:
            // Tab and Shift+Tab are keys to bind, not a way out of the box.
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        default:
            return QLineEdit::event(event);
    }
}

void BindBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (focused_) return;  // the window came back to the front: the capture goes on
    focused_ = true;
    keyPressedHere_ = false;
    focusingPress_ = event->reason() == Qt::MouseFocusReason;
    emit GotFocus();
}

void BindBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window in front, or a popup: the box keeps its focus within this window.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    if (!focused_) return;
    focused_ = false;
    focusingPress_ = false;
    keyPressedHere_ = false;
    emit LostFocus();
}

void BindBox::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!event->isAutoRepeat()) keyPressedHere_ = true;
}

void BindBox::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    // The release of the Tab that moved the focus here, or of a key held from before, binds
    // nothing; neither do the releases the keyboard repeats while a key is held.
    if (!focused_ || event->isAutoRepeat() || !keyPressedHere_) return;
    const int code = platform::WindowsKeyCode(*event);
    emit KeyUp(code == 0 ? -1 : code);
}

void BindBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (focusingPress_) {
        // The click that starts a capture is not what the capture takes.
        focusingPress_ = false;
        return;
    }
    if (const int button = platform::WindowsMouseButton(event->button())) emit MouseDown(button);
}

// No selection, no dragging: the box only shows a key name.
void BindBox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
void BindBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
void BindBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace kestrane
