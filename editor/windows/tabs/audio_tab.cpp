#include "editor/windows/tabs/audio_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <array>

#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/tab_page.h"
#include "editor/windows/tabs/video_fields.h"

namespace kestrane {
namespace {

constexpr std::array<const char*, 12> kAudioCaptions = {
    "Use EAX",           "Use 3D Sound",     "Use Default Driver", "Combatibility Mode", "Precache",
    "Reverse Stereo",    "Disable Pitch",    "Low Quality Sound",  "Voice Over IP",      "VAD",
    "Spatialized Voice", "Enhanced Denoiser"};

}  // namespace

void BuildAudioTab(INI& window) {
    QWidget* page = window.Tab("audio");
    QGridLayout* fields = AddChecksAndFieldsFrame(window, page, "Audio System", "AudioSystem",
                                                  "c_Audio", kAudioCaptions);
    // The counts, then the volumes and sound space numbers in two columns.
    fields->setHorizontalSpacing(12);
    for (int i = 22; i <= 33; ++i) {
        const int n = i - 22;
        AddVideoField(window, i, fields, n % 6, 2 * (n / 6));
    }
    PageRow(page)->addStretch(1);
}

}  // namespace kestrane
