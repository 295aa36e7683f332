// The media back end behind MusicPlayer. It lives in a module of its own, loaded the first
// time a music file is opened, so that Qt Multimedia and the sound libraries under it are not
// loaded at every start of the editor (no music ships with it).
#pragma once

namespace platform {

class MusicBackend {
  public:
    virtual ~MusicBackend() = default;
    virtual void Play() = 0;
    // Keeps the position: a later Play goes on from there.
    virtual void Pause() = 0;
};

// The module's one entry point: a back end playing the host file, or nullptr when the host
// has no sound device.
using OpenMusicBackend = MusicBackend* (*)(const char* hostPath);
inline constexpr const char* kOpenMusicBackendSymbol = "kestrane_open_music";

}  // namespace platform
