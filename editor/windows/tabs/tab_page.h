// How a setting page holds its frames: rows of frames side by side on the left, and a column
// on the right that runs the page's full height (the bind groups of a shared page).
#pragma once

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace kestrane {

QHBoxLayout* PageRow(QWidget* page, int row = 0);
QVBoxLayout* PageSide(QWidget* page);

}  // namespace kestrane
