// A throw-away Wine prefix for one test: drive_c, a system.reg naming the game folder, the
// game's System, Cache and Maps folders, and a program folder of its own. WINEPREFIX points at
// it while the object lives.
#pragma once

#include <QTemporaryDir>
#include <string>

namespace kestrane::test {

class TempPrefix {
public:
    // gameFolder: the registry's Windows text, e.g. "C:\\UT2004"; empty writes no value.
    explicit TempPrefix(const std::string& gameFolder = "C:\\UT2004");
    ~TempPrefix();
    TempPrefix(const TempPrefix&) = delete;
    TempPrefix& operator=(const TempPrefix&) = delete;

    std::string Root() const;          // host path of the prefix
    std::string DriveC() const;        // host path of drive_c
    std::string SystemFolder() const;  // host path of the game's System folder
    std::string GameFolder() const;    // host path of the game folder
    std::string ProgramFolder() const; // host path of the program folder (also set as such)

    // Writes a file under the prefix: relative to drive_c.
    void Write(const std::string& relativeToDriveC, const std::string& bytes) const;
    std::string Read(const std::string& relativeToDriveC) const;
    // Replaces system.reg with the given text after the header line.
    void WriteSystemReg(const std::string& body) const;

private:
    QTemporaryDir dir_;
    QByteArray oldPrefix_;
    bool hadPrefix_;
    std::string game_;
};

}  // namespace kestrane::test
