// The "Mouse" page: the mouse switches and fields, and the Assault and Onslaught objective and
// radar settings, each field tbx_Mouse(i) with its b_MouseAdd / b_MouseSub arrows.
#pragma once

#include <QObject>

namespace kestrane {

class INI;

class MouseTab : public QObject {
    Q_OBJECT

  public:
    explicit MouseTab(INI& window);

  private:
    INI& window_;
};

}  // namespace kestrane
