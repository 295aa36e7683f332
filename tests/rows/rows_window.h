// The main window started on the probe files, and what the row walks do with it: reload the
// probe, find a control, show its page, save, and hold both files to the lines expected.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <utility>

#include "tests/rows/row_tables.h"
#include "tests/windows/editor_fixture.h"

class QLabel;

namespace kestrane::test {

// Lines a save is expected to change: (file, 0-based line) -> the new value.
using LineChanges = std::map<std::pair<std::string, int>, std::string>;

class RowsWindowTest : public EditorTest {
  protected:
    // Starts the editor on the probe and shows the main window.
    void OpenProbe();
    // Writes the probe files again, `device` the active render device, and reloads the tabs.
    void Reload(const std::string& device = {});
    void Save() { Trigger("frmFileSave"); }
    // Both files as the probe (with `device` active) with exactly `changes` applied.
    void ExpectFiles(const LineChanges& changes, const std::string& device = {});

    QWidget* Widget(const ControlName& control);
    template <class W>
    W* Get(const ControlName& control) {
        return qobject_cast<W*>(Widget(control));
    }
};

// Makes every tab page holding `widget` the current one, so it can be seen and focused.
void ShowPageOf(QWidget* widget);
// The label in the grid cell left of the one that holds `widget`; nullptr when there is none.
QLabel* LabelBeside(QWidget* widget);
// The title of the nearest group box around `widget`; empty when there is none.
std::string FrameOf(QWidget* widget);

}  // namespace kestrane::test
