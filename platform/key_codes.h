// Windows virtual-key codes and mouse button numbers for Qt's input events.
#pragma once

#include <Qt>

class QKeyEvent;

namespace platform {

// The virtual-key code a Windows key event reports for the key (Shift, Ctrl and Alt as the
// generic 16, 17, 18), or 0 for a key without one. With X11 or Wayland native data the
// physical key decides on a US layout, so Shift+1 is still 49; a synthesized event without
// native data maps through its Qt key.
int WindowsKeyCode(const QKeyEvent& event);

// Qt key and modifiers alone (Qt::KeypadModifier picks the numeric pad).
int WindowsKeyCode(Qt::Key key, Qt::KeyboardModifiers modifiers);

// The button number a Windows mouse event reports: 1 left, 2 right, 4 middle; 0 for every
// other button, which raises no button event there.
int WindowsMouseButton(Qt::MouseButton button);

}  // namespace platform
