// Starting the game and our own programs from their Windows paths.
#pragma once

#include <string>
#include <vector>

namespace platform {

// One program start, as tests see it.
struct Launch {
    std::string program;  // the Windows path asked for
    std::string arguments;
};

// Starts a program detached and returns at once. A ".exe" that has a native executable of the
// same name beside it (our own programs) runs natively; any other ".exe" runs through wine in
// the prefix, with its own folder as working folder. False with a reason naming the host file
// when the program is missing, wine is not found, or the start fails.
bool StartProgram(const std::string& windowsPath, const std::string& arguments,
                  std::string* error = nullptr);

// While set, starts are recorded here instead of run; nullptr runs them again.
void RecordLaunchesForTest(std::vector<Launch>* sink);

// Splits a Windows command-line argument string the way the game's runtime does: blanks
// separate, double quotes group and are dropped.
std::vector<std::string> SplitArguments(const std::string& arguments);

}  // namespace platform
