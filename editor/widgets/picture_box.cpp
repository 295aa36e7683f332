#include "editor/widgets/picture_box.h"

namespace kestrane {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);  // the capture hands the focus here
    setFrameShape(QFrame::Box);
}

void PictureBox::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    ShowScaled();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowScaled();
}

void PictureBox::ShowScaled() {
    if (picture_.isNull()) {
        clear();
        return;
    }
    setPixmap(
        picture_.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace kestrane
