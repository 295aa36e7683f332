// How a setting page holds its frames: in rows, each a line of frames side by side. Most
// areas add their frames to the first row; a wide frame may take a row below.
#pragma once

class QHBoxLayout;
class QWidget;

namespace kestrane {

QHBoxLayout* PageRow(QWidget* page, int row = 0);

}  // namespace kestrane
