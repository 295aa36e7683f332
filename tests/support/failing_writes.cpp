#include "tests/support/failing_writes.h"

#include <QDir>

namespace kestrane::test {

FailingWrites::FailingWrites(platform::WriteStep step, int error, int passing) {
    platform::SetWriteFaultForTest([step, error, passing, reached = 0, failed = failed_](
                                       platform::WriteStep now, int64_t) mutable {
        if (now != step || reached++ < passing) return 0;
        ++*failed;
        return error;
    });
}

FailingWrites::~FailingWrites() {
    platform::SetWriteFaultForTest(nullptr);
}

std::vector<std::string> FolderEntries(const std::string& hostFolder) {
    std::vector<std::string> names;
    const QStringList entries =
        QDir(QString::fromStdString(hostFolder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    for (const QString& name : entries) names.push_back(name.toStdString());
    return names;
}

}  // namespace kestrane::test
