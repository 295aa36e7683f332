#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/base/ansi.h"

namespace platform {
namespace {

ShellOpenRecorder* g_recorder = nullptr;

}  // namespace

ShellOpenRecorder::ShellOpenRecorder() : previous_(g_recorder) {
    g_recorder = this;
}
ShellOpenRecorder::~ShellOpenRecorder() {
    g_recorder = previous_;
}

void ShellOpen(const std::string& target) {
    if (g_recorder) {
        g_recorder->opened_.push_back(target);
        return;
    }
    QDesktopServices::openUrl(QUrl(FromAnsi(target), QUrl::TolerantMode));
}

}  // namespace platform
