#include "platform/base/regional.h"

#include <QDate>
#include <QLocale>

#include "platform/base/ansi.h"

namespace platform {
namespace {

char g_decimalForTest = '\0';
char g_groupForTest = '\0';

// A separator without an 8-bit form (the narrow no-break space some locales group with)
// becomes the no-break space.
char ToProgramChar(const QString& text, char fallback) {
    if (text.size() != 1) return fallback;
    const std::string ansi = ToAnsi(text);
    if (ansi == "?" && text != "?") return '\xA0';
    return ansi[0];
}

struct SystemSeparators {
    char decimal;
    char group;
};

const SystemSeparators& System() {
    static const SystemSeparators separators = [] {
        const QLocale locale = QLocale::system();
        return SystemSeparators{ToProgramChar(locale.decimalPoint(), '.'),
                                ToProgramChar(locale.groupSeparator(), ',')};
    }();
    return separators;
}

}  // namespace

char DecimalSeparator() {
    return g_decimalForTest ? g_decimalForTest : System().decimal;
}
char DigitGroupSeparator() {
    return g_groupForTest ? g_groupForTest : System().group;
}

void SetDecimalSeparatorForTest(char separator) {
    g_decimalForTest = separator;
}
void SetDigitGroupSeparatorForTest(char separator) {
    g_groupForTest = separator;
}

std::string ShortDateText() {
    return ToAnsi(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

}  // namespace platform
