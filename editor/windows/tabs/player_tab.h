// The "Player Settings" page's own frames: the player information with the character
// portrait and the view fields, and the stats login.
#pragma once

#include <QObject>

class QLineEdit;

namespace kestrane {

class INI;
class PictureBox;

class PlayerTab : public QObject {
    Q_OBJECT

  public:
    explicit PlayerTab(INI& window);

    // Picking a name from the list shows its portrait.
    void cb_Character_Click();
    // Enter ends the entry as leaving the box does.
    void tbx_Stat_Name_KeyDown(int keyCode);
    void tbx_Stat_Pass_KeyDown(int keyCode);
    void tbx_Stat_Name_LostFocus();
    void tbx_Stat_Pass_LostFocus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildPlayerInformation();
    void BuildStatsLogin();
    void StatsLostFocus(QLineEdit* box, const char* message, bool handOn);

    INI& window_;
    QLineEdit* statName_ = nullptr;
    QLineEdit* statPass_ = nullptr;
    PictureBox* portrait_ = nullptr;
    bool checking_ = false;
};

}  // namespace kestrane
