// The "Audio" page: the sound system's switches, EAX version, channels, volumes and sound
// space numbers.
#pragma once

namespace kestrane {

class INI;

void BuildAudioTab(INI& window);

}  // namespace kestrane
