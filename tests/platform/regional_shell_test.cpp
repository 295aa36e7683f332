#include <gtest/gtest.h>

#include <QLocale>

#include "platform/base/regional.h"
#include "platform/shell_open.h"

namespace {

TEST(Regional, SeparatorsComeFromTheLocaleUnlessATestSetsThem) {
    const QLocale system = QLocale::system();
    EXPECT_EQ(QString(QChar(platform::DecimalSeparator())), system.decimalPoint());
    platform::SetDecimalSeparatorForTest(',');
    platform::SetDigitGroupSeparatorForTest('.');
    EXPECT_EQ(platform::DecimalSeparator(), ',');
    EXPECT_EQ(platform::DigitGroupSeparator(), '.');
    platform::SetDecimalSeparatorForTest('\0');
    platform::SetDigitGroupSeparatorForTest('\0');
    EXPECT_EQ(QString(QChar(platform::DecimalSeparator())), system.decimalPoint());
}

TEST(ShellOpen, ARecorderTakesTheLinks) {
    platform::ShellOpenRecorder recorder;
    platform::ShellOpen("mailto:someone@example.org");
    EXPECT_EQ(recorder.Opened(), std::vector<std::string>{"mailto:someone@example.org"});
}

}  // namespace
