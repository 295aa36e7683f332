#include "platform/music_player.h"

#include <gtest/gtest.h>

#include "tests/support/temp_prefix.h"

namespace {

using kestrane::test::TempPrefix;
using Mode = platform::MusicPlayer::Mode;

// The start-up sequence and the menu's toggles, on a file that is missing and on one that is
// no music at all: silent and without error (no sound device here).
TEST(MusicPlayer, MissingOrBrokenFilesStaySilent) {
    TempPrefix prefix;
    prefix.Write("Kestrane/Music/Broken.mp3", "not an mp3");
    for (const char* file :
         {"C:\\Kestrane\\Music\\Kestrane INI Menu Music.mp3", "C:\\Kestrane\\Music\\Broken.mp3"}) {
        platform::MusicPlayer player;
        EXPECT_EQ(player.GetMode(), Mode::Closed);
        player.SetDeviceType("MPEGVideo");
        player.SetFileName(file);
        player.SetCommand("Open");
        EXPECT_EQ(player.GetMode(), Mode::Open) << file;
        player.SetCommand("Play");
        EXPECT_EQ(player.GetMode(), Mode::Playing) << file;
        player.SetCommand("Stop");
        EXPECT_EQ(player.GetMode(), Mode::Stopped) << file;
        player.SetCommand("play");
        EXPECT_EQ(player.GetMode(), Mode::Playing) << file;
        player.SetCommand("Stop");
        player.SetCommand("Close");
        EXPECT_EQ(player.GetMode(), Mode::Closed) << file;
        EXPECT_EQ(player.DeviceType(), "MPEGVideo");
        EXPECT_EQ(player.FileName(), file);
    }
}

// The back end is a module of its own: a build or a program folder without it would leave
// every player silent with no word.
TEST(MusicPlayer, TheBackEndModuleLoads) {
    EXPECT_TRUE(platform::MusicBackendLoads());
}

TEST(MusicPlayer, CommandsWithoutAnOpenDeviceDoNothing) {
    platform::MusicPlayer player;
    player.SetCommand("Play");
    EXPECT_EQ(player.GetMode(), Mode::Closed);
    player.SetCommand("Stop");
    player.SetCommand("Eject");
    EXPECT_EQ(player.GetMode(), Mode::Closed);
}

}  // namespace
