// Patchwell: the updater of Kestrane INI.
#include <QApplication>

#include "updater/window/auto_patcher.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    patchwell::frmAutoPatcher window;
    window.Form_Load();
    return app.exec();
}
