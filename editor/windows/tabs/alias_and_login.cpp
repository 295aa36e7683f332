#include "editor/windows/tabs/alias_and_login.h"

#include <unordered_set>

#include "editor/store/text_routines.h"

namespace kestrane {

namespace {

// The numbers written as "Aliases[n]" in the text, in one pass.
std::unordered_set<long long> UsedNumbers(std::string_view text) {
    constexpr std::string_view kWord = "Aliases[";
    std::unordered_set<long long> used;
    for (size_t at = text.find(kWord); at != std::string_view::npos;
         at = text.find(kWord, at + 1)) {
        size_t i = at + kWord.size();
        long long n = 0;
        size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 18) {
            n = n * 10 + (text[i++] - '0');
            ++digits;
        }
        if (digits > 0 && i < text.size() && text[i] == ']') used.insert(n);
    }
    return used;
}

}  // namespace

std::string WithNewAlias(std::string_view aliases) {
    long long n = CountSubstring(aliases, "Aliases[", true);
    // With gaps in the numbering the count can name a line already there; the game would keep
    // only one of two lines with the same number.
    const std::unordered_set<long long> used = UsedNumbers(aliases);
    while (used.contains(n)) ++n;
    std::string text(aliases);
    text += "\r\nAliases[" + std::to_string(n) + "]=(Command=\"\",Alias=\"\")";
    return text;
}

std::string WithNewSpeechAlias(std::string_view speechAliases) {
    std::string text = "Aliases=(MatchWords=(\"\"),ReplaceWord=\"\")\r\n";
    text += speechAliases;
    text += "\r\n";
    return text;
}

bool StatsLoginAccepted(std::string_view text) {
    return text.empty() || text.size() >= 6;
}

}  // namespace kestrane
