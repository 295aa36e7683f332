// The splash window: borderless, 800 by 600, centred; its timer or any key shows the main
// window and closes it.
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

    void tmrShow_Timer();
    void Form_KeyPress();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Finish();

    QLabel* SpalshPic_;
    QTimer tmrShow_;
};

frmSplash& Splash();
bool SplashExists();
void CloseSplash();

}  // namespace kestrane
