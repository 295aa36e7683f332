// A picture box: shows one picture scaled into its frame, or nothing.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace kestrane {

class PictureBox : public QLabel {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent = nullptr);
    // A null picture empties the box.
    void SetPicture(const QPixmap& picture);
    bool HasPicture() const { return !picture_.isNull(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ShowScaled();
    QPixmap picture_;
};

}  // namespace kestrane
