// The update list: a news count, news lines, then one entry line per file, every line ended
// by CR LF. The text after the last CR LF is never read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace patchwell {

struct UpdateEntry {
    std::string LocalPath;   // below the program folder, beginning with "\"
    std::string MarkerName;  // file name in the program folder's update\ folder
    std::string Version;
    std::string SizeKB;
    std::string Url;
};

struct UpdateList {
    std::vector<std::string> pieces;  // the reply split at CR LF
    int16_t newsCount = 0;
    // Indexed by line number; only entry lines are filled.
    std::vector<UpdateEntry> UpdateEntries;
    size_t firstEntry = 0;  // line of the first entry
    size_t endEntry = 0;    // one past the last entry line (the last piece)
    bool NoEntries() const { return endEntry <= firstEntry; }
};

std::vector<std::string> SplitCrLf(const std::string& text);

// The number at the start of a text ("." as decimal point, leading blanks skipped), 0 when it
// begins with none.
double LeadingNumber(const std::string& text);
// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// The five fields of an entry line, trimmed. A line with fewer fields, with a local path or
// marker name that would reach outside the program folder, or with one that no file may bear
// (platform::NameRefusal), throws UpdateFailure.
UpdateEntry ParseEntryLine(const std::string& line, size_t lineNumber);

// Throws UpdateFailure for an empty reply, one without CR LF, a news count below 0 or beyond
// the last line, or a bad entry line.
UpdateList ParseUpdateList(const std::string& reply);

// A size text as a whole number of kilobytes from 1 to 32767 (the locale's decimal separator,
// rounded halves to even); anything else throws UpdateFailure.
int16_t SizeKBValue(const std::string& SizeKB);

}  // namespace patchwell
