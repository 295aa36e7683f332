// The 130 game-type options through the real Instant Action window, frame by frame: each
// option control shows its line of the probe, and one edit followed by Play changes exactly
// that line of UT2004.ini, to the text the table gives, and no other line of either file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/instant_action/instant_state.h"
#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/splash_window.h"
#include "editor/windows/tools/instant_action_window.h"
#include "tests/rows/rows_window.h"

namespace kestrane::test {
namespace {

class OptionRowsTest : public RowsWindowTest, public ::testing::WithParamInterface<int> {
  protected:
    // Play ends the editor's windows: every row starts it afresh on the probe.
    frmInstantAction* OpenAfresh() {
        CloseSplash();
        DestroyMainWindow();
        ResetState();
        ResetInstantAction();
        launches.clear();
        const Probe& probe = Probe::Full();
        Install(probe.Text("User.ini"), probe.Text("UT2004.ini"));
        prefix->Write("UT2004/Maps/AS-Probe.ut2", "map");  // Play needs a map to start
        if (!Start()) return nullptr;
        Trigger("mnuInstantActionSettings");
        return MainWindow().findChild<frmInstantAction*>();
    }
};

TEST_P(OptionRowsTest, EachOptionShowsItsLineAndPlayStoresOnlyThatLine) {
    const std::string frame = std::to_string(GetParam());
    std::vector<BindingRow> rows;
    for (BindingRow& row : ReadBindingRows("instant_action_options.txt")) {
        const std::string& at = row.line.directives["frame"];
        if (at.substr(0, at.find(' ')) == frame) rows.push_back(std::move(row));
    }
    ASSERT_FALSE(rows.empty());
    const Probe& probe = Probe::Full();
    for (const BindingRow& row : rows) {
        SCOPED_TRACE(row.line.Where());
        frmInstantAction* w = OpenAfresh();
        ASSERT_NE(w, nullptr);
        const std::string& at = row.line.directives.at("frame");
        QGroupBox* box = w->Frame(GetParam());
        EXPECT_EQ(box->title().toStdString(), at.substr(at.find('|') + 2));

        const int i = row.control.index;
        QWidget* control = nullptr;
        if (row.control.name == "cbxAss") {
            QCheckBox* check = w->cbxAss(i);
            control = check;
            EXPECT_EQ(check->isChecked(), row.shows == "checked");
            EXPECT_EQ(check->text().toStdString(), row.caption);
            ASSERT_TRUE(check->isEnabled());
            check->click();
        } else {
            ASSERT_EQ(row.control.name, "tbx_Ass");
            QLineEdit* edit = w->tbx_Ass(i);
            control = edit;
            EXPECT_EQ(edit->text().toStdString(), row.shows);
            const QLabel* label = LabelBeside(edit);
            EXPECT_EQ(label ? label->text().toStdString() : "(no label)", row.caption);
            ASSERT_TRUE(edit->isEnabled());
            edit->setText(QString::fromStdString(row.edit));
        }
        EXPECT_TRUE(box->isAncestorOf(control)) << "in the frame of its game type";
        w->Play()->click();
        EXPECT_EQ(launches.size(), 1u) << "Play starts the game";
        const int line = probe.LineOf(row.file, row.section, row.keys[0]);
        ASSERT_GE(line, 0);
        ExpectFiles({{{row.file, line}, row.saves[0]}});
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, OptionRowsTest, ::testing::Range(0, 10));

}  // namespace
}  // namespace kestrane::test
