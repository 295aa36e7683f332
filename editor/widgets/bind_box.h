// One bind box: a line edit that takes no typing and reports the events of a key capture in
// the platform's terms (virtual-key codes, button numbers 1, 2 and 4).
#pragma once

#include <QLineEdit>

namespace kestrane {

class BindBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit BindBox(QWidget* parent = nullptr);

  signals:
    void GotFocus();
    void LostFocus();
    // A key code the platform has none for comes as -1, which names no game key.
    void KeyUp(int keyCode);
    void MouseDown(int button);

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool focused_ = false;         // between GotFocus and LostFocus
    bool focusingPress_ = false;   // the press that gave the focus is still to come
    bool keyPressedHere_ = false;  // a release binds only a key pressed while focused
};

}  // namespace kestrane
