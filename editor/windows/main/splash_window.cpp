#include "editor/windows/main/splash_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

#include "editor/windows/main/main_window.h"
#include "editor/windows/main/startup.h"
#include "platform/base/paths.h"

namespace kestrane {
namespace {

QPointer<frmSplash> g_splash;

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::SplashScreen), SpalshPic_(new QLabel(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(800, 600);
    SpalshPic_->setGeometry(0, 0, 800, 600);
    SpalshPic_->setAlignment(Qt::AlignCenter);
    SpalshPic_->setStyleSheet("background: #10131c; color: #e8e8f0; font-size: 40px;");
    // An uncompressed 8-bit picture: it is on screen without a decoding step at each start.
    const QString picture = QString::fromStdString(
        platform::ToHostPath(platform::ProgramFolder() + "\\Images\\Splash.bmp"));
    QPixmap pixmap(picture);
    if (pixmap.isNull()) {
        SpalshPic_->setText("Kestrane INI");
    } else {
        SpalshPic_->setPixmap(
            pixmap.scaled(800, 600, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    SpalshPic_->hide();
    tmrShow_.setSingleShot(true);
    tmrShow_.setInterval(kShowAfterMs);
    connect(&tmrShow_, &QTimer::timeout, this, &frmSplash::tmrShow_Timer);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void frmSplash::ShowSplash() {
    SpalshPic_->show();
    tmrShow_.start();
    show();
}

void frmSplash::tmrShow_Timer() {
    Finish();
}
void frmSplash::Form_KeyPress() {
    Finish();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Form_KeyPress();
}

void frmSplash::Finish() {
    tmrShow_.stop();
    // Gone before the main window, whose first message may wait for an answer.
    hide();
    // A load step still under way (its message waiting for an answer) or failed leaves nothing
    // to show yet: an empty window behind the message would only mislead.
    if (!MainWindowExists() || !MainWindow().Loaded()) {
        due_ = true;
        return;
    }
    ShowMainForm();
    close();
}

void frmSplash::LoadStepDone() {
    if (due_) Finish();
}

frmSplash& Splash() {
    if (!g_splash) g_splash = new frmSplash();
    return *g_splash;
}

bool SplashExists() {
    return !g_splash.isNull();
}

void CloseSplash() {
    if (g_splash) {
        g_splash->tmrShow().stop();
        g_splash->close();
        delete g_splash.data();
    }
}

}  // namespace kestrane
