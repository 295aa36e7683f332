// The least a Qt Widgets program of the editor's shape does to come on screen: a main window
// at the editor's size holding a tab widget of twelve pages.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (int i = 1; i <= 12; ++i) tabs->addTab(new QWidget, QString("Page %1").arg(i));
    window.setCentralWidget(tabs);
    window.resize(1360, 760);
    window.show();
    return app.exec();
}
