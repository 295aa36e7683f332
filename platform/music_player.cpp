#include "platform/music_player.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

#include "platform/base/files.h"
#include "platform/base/paths.h"
#include "platform/music_backend.h"

namespace platform {
namespace {

// The back end's module beside the program, else where the build put it (for the tests).
OpenMusicBackend LoadBackend() {
    static OpenMusicBackend open = [] {
        for (const QString& path :
             {QCoreApplication::applicationDirPath() + "/libkestrane_music.so",
              QString(KESTRANE_MUSIC_MODULE)}) {
            QLibrary module(path);
            if (auto entry =
                    reinterpret_cast<OpenMusicBackend>(module.resolve(kOpenMusicBackendSymbol))) {
                return entry;
            }
        }
        return OpenMusicBackend{};
    }();
    return open;
}

}  // namespace

bool MusicBackendLoads() {
    return LoadBackend() != nullptr;
}

MusicPlayer::MusicPlayer() = default;
MusicPlayer::~MusicPlayer() {
    Close();
}

void MusicPlayer::Close() {
    backend_.reset();
    mode_ = Mode::Closed;
}

void MusicPlayer::SetCommand(const std::string& command) {
    const QString c = QString::fromStdString(command);
    auto is = [&c](const char* name) { return c.compare(name, Qt::CaseInsensitive) == 0; };
    if (is("Open")) {
        Close();
        mode_ = Mode::Open;
        // No file, no back end or no sound device: stay open and silent.
        if (!FileExists(fileName_)) return;
        if (const OpenMusicBackend open = LoadBackend()) {
            backend_.reset(open(ToHostPath(fileName_).c_str()));
        }
    } else if (is("Play")) {
        if (mode_ == Mode::Closed) return;
        mode_ = Mode::Playing;
        if (backend_) backend_->Play();
    } else if (is("Stop")) {
        if (mode_ == Mode::Closed) return;
        mode_ = Mode::Stopped;
        if (backend_) backend_->Pause();
    } else if (is("Close")) {
        Close();
    }
}

}  // namespace platform
