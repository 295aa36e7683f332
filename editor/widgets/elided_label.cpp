#include "editor/widgets/elided_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <algorithm>

namespace kestrane {
namespace {

// The width a label asks for: at least a short name's, at most a long one's.
constexpr int kLeastChars = 8;
constexpr int kMostChars = 24;

// A tip wraps only at blanks, and one too wide for the screen is cut at its edge: a run of
// this many characters without a blank gets a zero-width space, where the tip may wrap.
constexpr int kTipRun = 32;

QString WrappableTip(const QString& text) {
    QString tip;
    tip.reserve(text.size() + text.size() / kTipRun);
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kTipRun) {
            tip += QChar(0x200B);
            run = 1;
        }
        tip += c;
    }
    return tip;
}

QString RightTrimmed(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    return text;
}

}  // namespace

FittedLines FitLines(const QString& text, const QFont& font, int width, int maxLines) {
    FittedLines fitted;
    if (text.isEmpty()) return fitted;
    width = std::max(width, 1);
    maxLines = std::max(maxLines, 1);
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    flat.replace('\n', QChar::LineSeparator);
    flat.replace('\r', QChar::LineSeparator);

    const QFontMetrics metrics(font);
    QTextLayout layout(flat, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int end = line.textStart() + line.textLength();
        if (fitted.lines.size() + 1 == maxLines && end < flat.size()) {
            QString rest = flat.mid(line.textStart());
            rest.replace(QChar::LineSeparator, ' ');
            fitted.lines << metrics.elidedText(rest, Qt::ElideRight, width);
            fitted.cut = true;
            break;
        }
        fitted.lines << RightTrimmed(flat.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return fitted;
}

ElidedLabel::ElidedLabel(int maxLines, QWidget* parent)
    : QLabel(parent), maxLines_(std::max(maxLines, 1)) {
    setTextFormat(Qt::PlainText);  // the file's text, never markup
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ElidedLabel::setText(const QString& text) {
    QLabel::setText(text);
    UpdateTip();
}

QSize ElidedLabel::minimumSizeHint() const {
    const QMargins m = contentsMargins();
    return {fontMetrics().averageCharWidth() * kLeastChars + m.left() + m.right(),
            fontMetrics().lineSpacing() + m.top() + m.bottom()};
}

QSize ElidedLabel::sizeHint() const {
    const QMargins m = contentsMargins();
    const int chars = fontMetrics().averageCharWidth();
    const int natural = fontMetrics().horizontalAdvance(text());
    const int width =
        std::clamp(natural, chars * kLeastChars, chars * kMostChars) + m.left() + m.right();
    return {width, HeightAt(width)};
}

int ElidedLabel::HeightAt(int width) const {
    const QMargins m = contentsMargins();
    const FittedLines fitted = FitLines(text(), font(), width - m.left() - m.right(), maxLines_);
    // An empty label keeps its line, so the rows below it stay put.
    const int lines = std::max(static_cast<int>(fitted.lines.size()), 1);
    return lines * fontMetrics().lineSpacing() + m.top() + m.bottom();
}

int ElidedLabel::LinesRoom() const {
    return std::clamp(contentsRect().height() / fontMetrics().lineSpacing(), 1, maxLines_);
}

FittedLines ElidedLabel::Shown() const {
    return FitLines(text(), font(), contentsRect().width(), LinesRoom());
}

void ElidedLabel::UpdateTip() {
    setToolTip(Shown().cut ? WrappableTip(text()) : QString());
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const QRect area = contentsRect();
    const int step = fontMetrics().lineSpacing();
    int top = area.top();
    for (const QString& line : Shown().lines) {
        style()->drawItemText(&painter, QRect(area.left(), top, area.width(), step),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, option.palette,
                              isEnabled(), line, foregroundRole());
        top += step;
    }
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateTip();
}

}  // namespace kestrane
