#include "platform/zip_entry_names.h"

#include <QStringList>

namespace platform {

bool IsUnsafeEntryName(const QString& name) {
    QString text = name;
    text.replace('\\', '/');
    if (text.isEmpty() || text.startsWith('/')) return true;
    if (text.size() >= 2 && text[1] == ':') return true;
    const QStringList parts = text.split('/');
    for (const QString& part : parts) {
        if (part == "..") return true;
    }
    return false;
}

bool WildcardMatch(const QString& pattern, const QString& name, bool caseSensitive) {
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Greedy match with one backtrack point per star: linear enough for entry names.
    qsizetype p = 0, n = 0, star = -1, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' ||
                    QStringView(pattern).mid(p, 1).compare(QStringView(name).mid(n, 1), cs) == 0)) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace platform
