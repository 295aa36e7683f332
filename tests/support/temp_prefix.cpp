#include "tests/support/temp_prefix.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/base/paths.h"
#include "tests/support/test_paths.h"

namespace kestrane::test {
namespace {

std::string EscapeReg(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

}  // namespace

TempPrefix::TempPrefix(const std::string& gameFolder)
    : oldPrefix_(qgetenv("WINEPREFIX")), hadPrefix_(qEnvironmentVariableIsSet("WINEPREFIX")) {
    if (!dir_.isValid()) ADD_FAILURE() << "cannot make a temporary folder";
    QDir root(dir_.path());
    root.mkpath("drive_c");
    qputenv("WINEPREFIX", dir_.path().toLocal8Bit());
    if (!gameFolder.empty()) {
        WriteSystemReg("[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2004] 1700000000\n"
                       "\"Folder\"=\"" + EscapeReg(gameFolder) + "\"\n");
        game_ = platform::ToHostPath(gameFolder);
        QDir().mkpath(QString::fromStdString(game_) + "/System");
        QDir().mkpath(QString::fromStdString(game_) + "/Cache");
        QDir().mkpath(QString::fromStdString(game_) + "/Maps");
    } else {
        WriteSystemReg("");
    }
    root.mkpath("drive_c/Kestrane");
    platform::SetProgramFolderForTest(ProgramFolder());
}

TempPrefix::~TempPrefix() {
    platform::SetProgramFolderForTest("");
    if (hadPrefix_) {
        qputenv("WINEPREFIX", oldPrefix_);
    } else {
        qunsetenv("WINEPREFIX");
    }
}

std::string TempPrefix::Root() const { return dir_.path().toStdString(); }
std::string TempPrefix::DriveC() const { return Root() + "/drive_c"; }
std::string TempPrefix::GameFolder() const { return game_; }
std::string TempPrefix::SystemFolder() const { return game_ + "/System"; }
std::string TempPrefix::ProgramFolder() const { return DriveC() + "/Kestrane"; }

void TempPrefix::Write(const std::string& relativeToDriveC, const std::string& bytes) const {
    const QString path = QString::fromStdString(DriveC() + "/" + relativeToDriveC);
    QDir().mkpath(QFileInfo(path).path());
    WriteHostFile(path.toStdString(), bytes);
}

std::string TempPrefix::Read(const std::string& relativeToDriveC) const {
    return ReadHostFile(DriveC() + "/" + relativeToDriveC);
}

void TempPrefix::WriteSystemReg(const std::string& body) const {
    WriteHostFile(Root() + "/system.reg",
                  "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n" + body);
}

}  // namespace kestrane::test
