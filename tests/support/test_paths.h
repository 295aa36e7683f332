// Where tests find their fixtures.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrane::test {

// Folder of the real game files kept beside the repository, or nullopt when it is absent.
std::optional<std::string> RealFixturesFolder();

// Our own small fixtures in tests/fixtures.
std::string OwnFixturesFolder();

// The repository's own folder (its scripts).
std::string SourceFolder();

// The program folder the build lays out (build/bin).
std::string BuiltProgramFolder();

// Reads a host file whole; fails the test when it cannot.
std::string ReadHostFile(const std::string& hostPath);
void WriteHostFile(const std::string& hostPath, const std::string& bytes);

// Every LF that has no CR before it becomes CR LF: a file as the game writes it.
std::string ToCrLf(const std::string& text);

// Host paths of the real User.ini / UT2004.ini files (empty when the folder is absent).
std::vector<std::string> RealUserInis();
std::vector<std::string> RealUt2004Inis();

}  // namespace kestrane::test
