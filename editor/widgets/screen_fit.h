// The first size and place of a window: the size it asks for, no larger than the free area of
// the screen it opens on (less room for the window frame), centred there.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace kestrane {

// Room the desktop's window frame takes around a window: its title bar and borders.
inline constexpr QMargins kFrameAllowance{8, 40, 8, 8};

// Where the window goes inside `available`: the top left corner of its frame (what
// QWidget::move takes) and its own size, never below `least`, which wins over the screen.
QRect FitOnScreen(QSize wanted, QSize least, QRect available);

// Resizes and moves `window` so, on the primary screen (or the screen of `near` when given).
void PlaceOnScreen(QWidget& window, QSize wanted, const QWidget* near = nullptr);

}  // namespace kestrane
