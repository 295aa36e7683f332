// What a load and a save with no edit may change in a file, and how a test compares the result.
#pragma once

#include <string>
#include <vector>

namespace kestrane::test {

// The text with each run of blank lines cut to its first line; every other byte as it was.
std::string CollapsedBlankRuns(const std::string& text);

// A real file as stored and, when it has LF-only lines, as the game writes it (CR LF).
std::vector<std::string> RealFileForms(const std::string& hostPath);

// Fails with the first differing line (1-based, both texts shown with their line ends).
void ExpectSameLines(const std::string& want, const std::string& got);

// The text split after each LF; the last piece may lack one.
std::vector<std::string> LinesWithEnds(const std::string& text);

}  // namespace kestrane::test
