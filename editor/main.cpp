#include <QApplication>

#include "editor/windows/main/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The main window decides when the editor ends (after Play, Update or Exit).
    QApplication::setQuitOnLastWindowClosed(false);
    if (!kestrane::Main()) return 1;
    return app.exec();
}
