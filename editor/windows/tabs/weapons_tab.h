// The "Weapons" page: one frame per weapon with its fire-mode and old-mesh switches, its
// crosshair scale and its crosshair with a preview; the translocator's frame also holds the
// previous-weapon switch.
#pragma once

#include <QObject>

namespace kestrane {

class INI;

class WeaponsTab : public QObject {
    Q_OBJECT

  public:
    explicit WeaponsTab(INI& window);

    // A crosshair picked from a list shows its picture.
    void cbx_Cross_Click(int index);

  private:
    void BuildPanel(int k);

    INI& window_;
};

}  // namespace kestrane
