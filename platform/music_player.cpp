#include "platform/music_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QString>
#include <QUrl>

#include "platform/base/files.h"
#include "platform/base/paths.h"

namespace platform {

MusicPlayer::MusicPlayer() = default;
MusicPlayer::~MusicPlayer() {
    Close();
}

void MusicPlayer::Close() {
    if (player_) player_->stop();
    player_.reset();
    output_.reset();
    mode_ = Mode::Closed;
}

void MusicPlayer::SetCommand(const std::string& command) {
    const QString c = QString::fromStdString(command);
    auto is = [&c](const char* name) { return c.compare(name, Qt::CaseInsensitive) == 0; };
    if (is("Open")) {
        Close();
        mode_ = Mode::Open;
        // No file or no sound device: stay open and silent.
        if (!FileExists(fileName_) || QMediaDevices::audioOutputs().isEmpty()) return;
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(output_.get());
        player_->setSource(QUrl::fromLocalFile(QString::fromStdString(ToHostPath(fileName_))));
    } else if (is("Play")) {
        if (mode_ == Mode::Closed) return;
        mode_ = Mode::Playing;
        if (player_) player_->play();
    } else if (is("Stop")) {
        if (mode_ == Mode::Closed) return;
        mode_ = Mode::Stopped;
        if (player_) player_->pause();
    } else if (is("Close")) {
        Close();
    }
}

}  // namespace platform
