// A one-line label whose height never depends on its text: a long text is shown cut in the
// middle (whole in its tip and in text()), an empty one leaves the line's room in place, so
// the controls around it stay where the player aims at them.
#pragma once

#include <QLabel>

namespace kestrane {

class StatusLine : public QLabel {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    void SetStatus(const QString& text);
    // The text as painted at the present width.
    QString ShownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrane
