// The menu music through Qt Multimedia, as a module MusicPlayer loads on first use.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include "platform/music_backend.h"

namespace {

class QtMusic : public platform::MusicBackend {
  public:
    explicit QtMusic(const QString& hostPath) {
        player_.setAudioOutput(&output_);
        player_.setSource(QUrl::fromLocalFile(hostPath));
    }
    ~QtMusic() override { player_.stop(); }
    void Play() override { player_.play(); }
    void Pause() override { player_.pause(); }

  private:
    QAudioOutput output_;
    QMediaPlayer player_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) platform::MusicBackend* kestrane_open_music(
    const char* hostPath) {
    if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
    return new QtMusic(QString::fromUtf8(hostPath));
}
