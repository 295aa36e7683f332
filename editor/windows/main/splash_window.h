// The splash window: borderless, 800 by 600, centred; its timer or any key shows the main
// window and closes it, once the main window's load step has succeeded.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace kestrane {

class frmSplash : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kShowAfterMs = 4000;

    explicit frmSplash(QWidget* parent = nullptr);
    // Makes the picture visible (loading the window starts its timer) and shows it.
    void ShowSplash();
    QTimer& tmrShow() { return tmrShow_; }
    const QLabel* SpalshPic() const { return SpalshPic_; }

    void tmrShow_Timer();
    void Form_KeyPress();
    // The load step has succeeded: a show that came due meanwhile happens now.
    void LoadStepDone();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Finish();

    QLabel* SpalshPic_;
    QTimer tmrShow_;
    bool due_ = false;
};

frmSplash& Splash();
bool SplashExists();
void CloseSplash();

}  // namespace kestrane
