// Every numeric field of the field tables through the real main window: its caption and frame,
// a pasted number beyond a bound, a change that is no number, one step each way and where the
// steppers stop, all from the table's own step, bounds and ends.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <optional>

#include "tests/rows/rows_window.h"

namespace kestrane::test {
namespace {

// The number text of the fields: at most 15 significant digits, no trailing zeros.
std::string NumberText(double v) {
    return QString::number(v, 'g', 15).toStdString();
}

double Number(const std::string& text) {
    return QString::fromStdString(text).toDouble();
}

// "none" (and "-": no steppers) is no number.
std::optional<double> Limit(const std::string& cell) {
    if (cell == "none" || cell == "-") return std::nullopt;
    return Number(cell);
}

struct FieldRow {
    TableLine line;
    ControlName field;
    std::optional<ControlName> up;
    std::optional<ControlName> down;
    std::string caption;
    std::string frame;
    bool anyText = false;
    std::optional<double> step, lower, upper, endLow, endHigh;
    std::string from;
    bool zeroRule = false;
};

std::vector<FieldRow> ReadFieldRows(const std::string& table) {
    std::vector<FieldRow> rows;
    for (const TableLine& line : ReadTable(table)) {
        FieldRow row;
        row.line = line;
        row.field = ParseControl(line.Cell(0));
        if (line.Cell(1) != "-") row.up = ParseControl(line.Cell(1));
        if (line.Cell(2) != "-") row.down = ParseControl(line.Cell(2));
        row.caption = line.Cell(3);
        row.frame = line.Cell(4);
        row.anyText = line.Cell(5) == "any text";
        row.step = Limit(line.Cell(6));
        row.lower = Limit(line.Cell(7));
        row.upper = Limit(line.Cell(8));
        row.endLow = Limit(line.Cell(9));
        row.endHigh = Limit(line.Cell(10));
        row.from = line.Cell(11);
        const auto rule = line.directives.find("rule");
        row.zeroRule = rule != line.directives.end() && rule->second == "zero";
        rows.push_back(std::move(row));
    }
    return rows;
}

class FieldLimitsTest : public RowsWindowTest, public ::testing::WithParamInterface<std::string> {
  protected:
    // What the field shows after `presses` clicks of `button` from `start`.
    std::string Stepped(QLineEdit* box, const ControlName& button, const std::string& start,
                        int presses) {
        box->setText(QString::fromStdString(start));
        auto* b = Get<QAbstractButton>(button);
        if (!b) return "(no button)";
        for (int i = 0; i < presses; ++i) b->click();
        return box->text().toStdString();
    }
    std::string Pasted(QLineEdit* box, const std::string& text) {
        box->setText(QString::fromStdString(text));
        return box->text().toStdString();
    }
};

TEST_P(FieldLimitsTest, EachFieldKeepsItsBoundsAndItsSteppersStopWhereTheTableSays) {
    const std::vector<FieldRow> rows = ReadFieldRows(GetParam());
    OpenProbe();
    for (const FieldRow& row : rows) {
        SCOPED_TRACE(row.line.Where());
        auto* box = Get<QLineEdit>(row.field);
        ASSERT_NE(box, nullptr);
        if (row.caption != "-") {
            const QLabel* label = LabelBeside(box);
            EXPECT_EQ(label ? label->text().toStdString() : "(no label)", row.caption);
        }
        if (row.frame != "-") {
            EXPECT_EQ(FrameOf(box), row.frame);
        }

        // A change that is no number puts back the text the field had when it got the focus.
        box->setText(QString::fromStdString(row.from));
        ShowPageOf(box);
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        box->end(false);
        QTest::keyClicks(box, "q");
        EXPECT_EQ(box->text().toStdString(), row.anyText ? row.from + "q" : row.from);
        if (row.anyText) continue;

        EXPECT_EQ(Pasted(box, row.upper ? NumberText(*row.upper + 1) : "99999"),
                  row.upper ? NumberText(*row.upper) : "99999");
        const std::string under = row.lower ? NumberText(*row.lower - 1) : "-1";
        const std::string held = row.lower ? NumberText(*row.lower) : row.zeroRule ? "0" : "-1";
        EXPECT_EQ(Pasted(box, under), held);

        if (!row.step) continue;
        ASSERT_TRUE(row.up && row.down);
        const double step = *row.step;
        const double from = Number(row.from);
        EXPECT_EQ(Stepped(box, *row.up, row.from, 1), NumberText(from + step)) << "up";
        EXPECT_EQ(Stepped(box, *row.down, row.from, 1), NumberText(from - step)) << "down";
        // Three steps short of an end and five presses on: the end. No end: three presses.
        const auto walk = [&](const ControlName& button, std::optional<double> end, double sign) {
            if (end) {
                return std::pair{Stepped(box, button, NumberText(*end - sign * 3 * step), 5),
                                 NumberText(*end)};
            }
            double v = from;
            for (int i = 0; i < 3; ++i) v = Number(NumberText(v + sign * step));
            return std::pair{Stepped(box, button, row.from, 3), NumberText(v)};
        };
        const auto [low, wantLow] = walk(*row.down, row.endLow, -1);
        EXPECT_EQ(low, wantLow) << "stepping down";
        const auto [high, wantHigh] = walk(*row.up, row.endHigh, 1);
        EXPECT_EQ(high, wantHigh) << "stepping up";
    }
}

std::string TableName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Tables, FieldLimitsTest,
                         ::testing::Values("comm_fields.txt", "mouse_fields.txt",
                                           "video_fields.txt", "view_fields.txt",
                                           "colour_fields.txt"),
                         TableName);

TEST_F(RowsWindowTest, EachColourSetShowsItsTextAndRepaintsOnlyItself) {
    const std::vector<TableLine> rows = ReadTable("colour_previews.txt");
    ASSERT_EQ(rows.size(), 25u);
    OpenProbe();
    const auto colour = [&](size_t set) {
        return Widget(ParseControl(rows[set].Cell(0)))->palette().color(QPalette::Base);
    };
    for (size_t set = 0; set < rows.size(); ++set) {
        SCOPED_TRACE(rows[set].Where());
        auto* preview = Get<QLineEdit>(ParseControl(rows[set].Cell(0)));
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->text().toStdString(), rows[set].Cell(1));
        if (rows[set].Cell(2) != "-") {
            EXPECT_EQ(FrameOf(preview), rows[set].Cell(2));
        }

        const int i = static_cast<int>(set);
        const QColor neighbour = colour((set + 1) % rows.size());
        Get<QLineEdit>({"txb_IRC_Red", i})->setText("12.5");  // paints as 12, the even neighbour
        Get<QLineEdit>({"txb_IRC_Green", i})->setText("40");
        Get<QLineEdit>({"txb_IRC_Blue", i})->setText("13.5");  // paints as 14
        EXPECT_EQ(colour(set), QColor(12, 40, 14));
        Get<QAbstractButton>({"b_IRC_Green_Add", i})->click();
        EXPECT_EQ(colour(set), QColor(12, 45, 14));
        EXPECT_EQ(colour((set + 1) % rows.size()), neighbour);
    }
}

}  // namespace
}  // namespace kestrane::test
