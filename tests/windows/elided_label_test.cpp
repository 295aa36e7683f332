#include "editor/widgets/elided_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

namespace kestrane {
namespace {

// Every shown line fits the width; a text that is not cut is shown whole, one that is ends in
// the ellipsis on its last line.
TEST(FitLines, WrapsAtBlanksThenAnywhereAndCutsOnlyPastTheLastLine) {
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const int twenty = metrics.horizontalAdvance(QString(20, 'a'));
    const struct Case {
        const char* name;
        QString text;
        int width;
        int maxLines;
        QStringList lines;  // empty: only the general checks
        bool cut;
    } cases[] = {
        {"fits",
         "Bar Mutator",
         metrics.horizontalAdvance("Bar Mutator") + 1,
         3,
         {"Bar Mutator"},
         false},
        {"at a blank",
         "Does bar.",
         metrics.horizontalAdvance("Does b") - 1,
         3,
         {"Does", "bar."},
         false},
        {"line ends", "One\r\nTwo\nThree", twenty, 3, {"One", "Two", "Three"}, false},
        {"no blank, room", QString(60, 'a'), twenty, 5, {}, false},
        {"no blank, cut", QString(200, 'a'), twenty, 3, {}, true},
        {"blanks, cut",
         "Does bar. Does baz. Does qux.",
         metrics.horizontalAdvance("Does b") - 1,
         2,
         {},
         true},
        {"empty", "", twenty, 3, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FittedLines fitted = FitLines(c.text, font, c.width, c.maxLines);
        EXPECT_EQ(fitted.cut, c.cut);
        if (!c.lines.isEmpty()) {
            EXPECT_EQ(fitted.lines, c.lines);
        }
        EXPECT_LE(fitted.lines.size(), c.maxLines);
        for (const QString& line : fitted.lines) {
            EXPECT_LE(metrics.horizontalAdvance(line), c.width) << line.toStdString();
        }
        if (c.cut) {
            ASSERT_EQ(fitted.lines.size(), c.maxLines);
            EXPECT_TRUE(fitted.lines.back().endsWith(QChar(0x2026)));
        } else if (!c.text.contains('\n')) {
            EXPECT_EQ(fitted.lines.join("").remove(' '), QString(c.text).remove(' '));
        }
    }
}

}  // namespace
}  // namespace kestrane
