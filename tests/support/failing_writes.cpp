#include "tests/support/failing_writes.h"

#include <QDir>

namespace kestrane::test {

const char* Describe(SwapSupport support) {
    switch (support) {
        case SwapSupport::Swaps:
            return "the swap works";
        case SwapSupport::NoSwap:
            return "the swap refused";
        case SwapSupport::NoSwapNoLinks:
            return "the swap and links refused";
    }
    return "";
}

int RefusedBy(SwapSupport support, platform::WriteStep step) {
    if (support != SwapSupport::Swaps && step == platform::WriteStep::Exchange) return EINVAL;
    if (support == SwapSupport::NoSwapNoLinks && step == platform::WriteStep::Link) return EPERM;
    return 0;
}

FailingWrites::FailingWrites(platform::WriteStep step, int error, int passing,
                             SwapSupport support) {
    platform::SetWriteFaultForTest([step, error, passing, support, reached = 0, failed = failed_](
                                       platform::WriteStep now, int64_t) mutable {
        if (const int refused = RefusedBy(support, now)) return refused;
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
