// A label for a name or text a file supplies (a map, a mutator, its description), which can be
// any length: plain text wrapped at blanks where it can and anywhere where it cannot, over the
// lines the label's height holds (and at most its line limit), the last shown line ending in
// "…" when text remains, and then the whole text as its tip (with zero-width spaces in long
// runs without a blank, so that the tip wraps on a small screen). However long the text, the label
// asks for no more width than a short one, so it never widens its window; text() stays whole.
#pragma once

#include <QLabel>
#include <QStringList>

class QFont;

namespace kestrane {

struct FittedLines {
    QStringList lines;
    bool cut = false;  // some of the text is not shown
};

// `text` laid out `width` pixels wide over at most `maxLines` lines (at least one).
FittedLines FitLines(const QString& text, const QFont& font, int width, int maxLines);

class ElidedLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ElidedLabel(int maxLines, QWidget* parent = nullptr);

    // Hides QLabel::setText so that the tip follows the text: set it through this class.
    void setText(const QString& text);

    // As wide as a short name; as high as the text takes at that width. No height for a width:
    // a window that scrolls its controls keeps them at their least height.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The lines shown at the label's present size.
    FittedLines Shown() const;
    int LinesRoom() const;
    int HeightAt(int width) const;
    void UpdateTip();

    int maxLines_;
};

}  // namespace kestrane
