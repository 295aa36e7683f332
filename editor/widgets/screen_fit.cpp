#include "editor/widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kestrane {

QRect FitOnScreen(QSize wanted, QSize least, QRect available) {
    const QSize size =
        wanted.boundedTo(available.marginsRemoved(kFrameAllowance).size()).expandedTo(least);
    const QSize framed = size.grownBy(kFrameAllowance);
    QPoint at = available.topLeft() + QPoint((available.width() - framed.width()) / 2,
                                             (available.height() - framed.height()) / 2);
    // A window larger than the screen keeps its title bar on it.
    at.setX(std::max(at.x(), available.left()));
    at.setY(std::max(at.y(), available.top()));
    return {at, size};
}

void PlaceOnScreen(QWidget& window, QSize wanted, const QWidget* near) {
    QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window.resize(wanted);
        return;
    }
    const QRect place =
        FitOnScreen(wanted, window.minimumSizeHint().expandedTo(window.minimumSize()),
                    screen->availableGeometry());
    window.resize(place.size());
    window.move(place.topLeft());
}

}  // namespace kestrane
