#include "tests/support/round_trip.h"

#include <gtest/gtest.h>

#include "tests/support/test_paths.h"

namespace kestrane::test {
namespace {

bool IsBlank(const std::string& line) {
    return line == "\n" || line == "\r\n" || line.empty();
}

std::string Shown(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> LinesWithEnds(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        const size_t end = lf == std::string::npos ? text.size() : lf + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string CollapsedBlankRuns(const std::string& text) {
    std::string out;
    bool blank = false;
    for (const std::string& line : LinesWithEnds(text)) {
        const bool now = IsBlank(line);
        if (now && blank) continue;
        blank = now;
        out += line;
    }
    return out;
}

std::vector<std::string> RealFileForms(const std::string& hostPath) {
    const std::string stored = ReadHostFile(hostPath);
    const std::string crlf = ToCrLf(stored);
    if (crlf == stored) return {stored};
    return {stored, crlf};
}

void ExpectSameLines(const std::string& want, const std::string& got) {
    if (want == got) return;
    const std::vector<std::string> a = LinesWithEnds(want);
    const std::vector<std::string> b = LinesWithEnds(got);
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string was = i < a.size() ? a[i] : "(none)";
        const std::string now = i < b.size() ? b[i] : "(none)";
        if (was != now) {
            ADD_FAILURE() << "line " << i + 1 << " was [" << Shown(was) << "] now [" << Shown(now)
                          << "]";
            return;
        }
    }
}

}  // namespace kestrane::test
