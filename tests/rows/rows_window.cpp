#include "tests/rows/rows_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "editor/windows/main/control_registry.h"
#include "editor/windows/main/main_window.h"

namespace kestrane::test {

void RowsWindowTest::OpenProbe() {
    const Probe& probe = Probe::Full();
    StartShown(probe.Text("User.ini"), probe.Text("UT2004.ini"));
}

void RowsWindowTest::Reload(const std::string& device) {
    const Probe& probe = Probe::Full();
    prefix->Write("UT2004/System/User.ini", probe.Text("User.ini"));
    prefix->Write("UT2004/System/UT2004.ini", probe.Text("UT2004.ini", device));
    ASSERT_FALSE(MainWindow().ReloadTabs().has_value());
}

void RowsWindowTest::ExpectFiles(const LineChanges& changes, const std::string& device) {
    const Probe& probe = Probe::Full();
    for (const char* file : {"User.ini", "UT2004.ini"}) {
        std::string want = probe.Text(file, device);
        for (const auto& [where, value] : changes) {
            if (where.first == file) want = WithValue(want, where.second, value);
        }
        for (const std::string& change : ChangedLines(want, SystemFile(file))) {
            ADD_FAILURE() << file << " " << change << " (expected -> written)";
        }
    }
}

QWidget* RowsWindowTest::Widget(const ControlName& control) {
    QWidget* w = Controls().Find({control.name, control.index});
    if (!w) ADD_FAILURE() << "no control " << control.name << "(" << control.index << ")";
    return w;
}

void ShowPageOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        QWidget* stack = w->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
    }
}

namespace {

bool Holds(QLayoutItem* item, QWidget* widget) {
    if (QWidget* w = item->widget()) return w == widget || w->isAncestorOf(widget);
    if (QLayout* layout = item->layout()) {
        for (int i = 0; i < layout->count(); ++i) {
            if (Holds(layout->itemAt(i), widget)) return true;
        }
    }
    return false;
}

}  // namespace

QLabel* LabelBeside(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        for (QGridLayout* grid : w->findChildren<QGridLayout*>()) {
            for (int i = 0; i < grid->count(); ++i) {
                if (!Holds(grid->itemAt(i), widget)) continue;
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                QLayoutItem* left = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
                return left ? qobject_cast<QLabel*>(left->widget()) : nullptr;
            }
        }
    }
    return nullptr;
}

std::string FrameOf(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title().toStdString();
    }
    return {};
}

}  // namespace kestrane::test
