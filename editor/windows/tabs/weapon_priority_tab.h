// The " Weapons Priority" page: the 17 weapons in priority order, highest at the top, the two
// move buttons, and the selected weapon's pictures, spaced name and description.
#pragma once

#include <QObject>
#include <array>

class QLabel;
class QLineEdit;

namespace kestrane {

class INI;
class PictureBox;

class WeaponPriorityTab : public QObject {
    Q_OBJECT

  public:
    explicit WeaponPriorityTab(INI& window);

    void tbx_WeaponPriority_GotFocus(int index);
    void tbx_WeaponPriority_LostFocus(int index);
    void b_WeaponMove_Click(int index);  // 0 up, 1 down

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildList();
    void BuildInfo();
    void ShowLook(int index, bool selected);

    INI& window_;
    std::array<QLineEdit*, 17> boxes_{};
    PictureBox* big_ = nullptr;
    PictureBox* small_ = nullptr;
    QLabel* infoHeading_ = nullptr;
    QLabel* info_ = nullptr;
    int selected_ = 0;  // the box last selected; the buttons act on it
};

}  // namespace kestrane
