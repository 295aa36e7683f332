// The multimedia player the editor plays its menu music with. Commands take effect at once;
// a missing or unplayable file, or a host without sound, leaves it silent and never fails.
#pragma once

#include <memory>
#include <string>

namespace platform {

class MusicBackend;

// Whether the media back end's module loads (beside the program, or where the build put it).
bool MusicBackendLoads();

class MusicPlayer {
  public:
    enum class Mode { Closed, Open, Playing, Stopped };

    MusicPlayer();
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void SetDeviceType(const std::string& type) { deviceType_ = type; }
    const std::string& DeviceType() const { return deviceType_; }
    // A Windows path; read by the next "Open".
    void SetFileName(const std::string& windowsPath) { fileName_ = windowsPath; }
    const std::string& FileName() const { return fileName_; }

    // "Open", "Play", "Stop" or "Close" (without regard to case); other commands do nothing.
    // "Stop" keeps the position, so a later "Play" goes on from there.
    void SetCommand(const std::string& command);

    Mode GetMode() const { return mode_; }

  private:
    void Close();

    std::string deviceType_;
    std::string fileName_;
    Mode mode_ = Mode::Closed;
    // Made on "Open" of an existing file only: the media back end is loaded no sooner.
    std::unique_ptr<MusicBackend> backend_;
};

}  // namespace platform
