#include "editor/widgets/status_line.h"

#include <QPainter>
#include <QStyle>

namespace kestrane {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void StatusLine::SetStatus(const QString& text) {
    setText(text);
    setToolTip(text);
    update();
}

QString StatusLine::ShownText() const {
    QString line = text();
    line.replace('\n', ' ');
    return fontMetrics().elidedText(line, Qt::ElideMiddle, contentsRect().width());
}

QSize StatusLine::sizeHint() const {
    const QMargins m = contentsMargins();
    return {0, fontMetrics().height() + m.top() + m.bottom()};
}

QSize StatusLine::minimumSizeHint() const {
    return sizeHint();
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

}  // namespace kestrane
