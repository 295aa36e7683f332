// The 70 key binding rows through the real main window: each command's two boxes show the two
// keys the probe binds to it, and a box saved with another key gives that key's line the
// command as the table spells it, and changes nothing else.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "tests/rows/rows_window.h"

namespace kestrane::test {
namespace {

constexpr const char* kSpareKey = "Joy16";

TEST_F(RowsWindowTest, EachCommandShowsItsKeysAndSavesOntoTheKeyTyped) {
    const std::vector<TableLine> rows = ReadTable("key_bindings.txt");
    ASSERT_EQ(rows.size(), 70u);
    OpenProbe();
    const int spare = Probe::Full().LineOf("User.ini", "[Engine.Input]", kSpareKey);
    ASSERT_GE(spare, 0);
    for (size_t c = 0; c < rows.size(); ++c) {
        const TableLine& row = rows[c];
        SCOPED_TRACE(row.Where());
        Reload();
        const std::string& command = row.Cell(0);
        QLineEdit* boxes[2] = {Get<QLineEdit>(ParseControl(row.Cell(1))),
                               Get<QLineEdit>(ParseControl(row.Cell(2)))};
        ASSERT_NE(boxes[0], nullptr);
        ASSERT_NE(boxes[1], nullptr);
        EXPECT_EQ(boxes[0]->text().toStdString(), row.Cell(4));
        EXPECT_EQ(boxes[1]->text().toStdString(), row.Cell(5));
        const QLabel* label = LabelBeside(boxes[0]);
        EXPECT_EQ(label ? label->text().toStdString() : "(no label)", row.Cell(3));

        // The first box of one row, the second of the next.
        boxes[c % 2]->setText(kSpareKey);
        Save();
        ExpectFiles({{{"User.ini", spare}, command}});
    }
}

}  // namespace
}  // namespace kestrane::test
