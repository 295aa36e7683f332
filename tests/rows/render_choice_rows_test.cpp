// The render device choice through the real main window: each active device of the run chooses
// its option on load, and choosing an option makes its line of the run the active one and
// changes no other key, value or line.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "tests/rows/rows_window.h"

namespace kestrane::test {
namespace {

TEST_F(RowsWindowTest, EachOptionShowsItsDevicesAndActivatesItsLineOfTheRun) {
    const std::vector<TableLine> options = ReadTable("render_choice.txt");
    ASSERT_EQ(options.size(), 3u);
    const std::vector<std::string>& run = Probe::Full().RenderRun();
    ASSERT_EQ(run.size(), 5u);
    const auto option = [&](size_t k) {
        return Get<QAbstractButton>(ParseControl(options[k].Cell(0)));
    };
    OpenProbe();
    for (size_t k = 0; k < options.size(); ++k) {
        const TableLine& row = options[k];
        SCOPED_TRACE(row.Where());
        ASSERT_NE(option(k), nullptr);
        EXPECT_EQ(option(k)->text().toStdString(), row.Cell(1));
        for (const std::string& device : SplitList(row.Cell(3))) {
            Reload(device);
            for (size_t o = 0; o < options.size(); ++o) {
                EXPECT_EQ(option(o)->isChecked(), o == k) << device << ", option " << o;
            }
        }
        // From the device of the next option, choose this one.
        const std::string from = SplitList(options[(k + 1) % options.size()].Cell(3))[0];
        const std::string& at = row.Cell(2);
        const size_t offset = at == "s" ? 0 : std::stoul(at.substr(2));
        ASSERT_LT(offset, run.size());
        Reload(from);
        option(k)->click();
        Save();
        ExpectFiles({}, run[offset]);
    }
}

}  // namespace
}  // namespace kestrane::test
