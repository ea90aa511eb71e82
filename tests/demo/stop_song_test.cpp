// The song stopped at shut-down, on a real device whose own thread runs the program's callback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <SDL.h>

#include "demo/audio.h"
#include "demo/module_player.h"
#include "demo/stop_song.h"
#include "support/mod_fixture.h"

namespace {

// The dummy driver calls back once per buffer, about every 93 ms; this is only a bound.
constexpr Uint32 FirstCallbackLimitMs = 5000;
constexpr SDL_AudioDeviceID NoDevice = 0;

// SDL's audio on the driver the tests run with (dummy), and the test song as songModule.
class SongDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    const std::string module = brisa_test::MakeTestModule();
    songModule = LoadSong(std::vector<uint8_t>(module.begin(), module.end()));
    ASSERT_NE(songModule, nullptr);
  }
  void TearDown() override {
    if (device_ != NoDevice) SDL_CloseAudioDevice(device_);
    if (songModule != nullptr) ModPlug_Unload(songModule);
    songModule = nullptr;
    lastAudioBytes = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // Opens the song's device and unpauses it; true once its callback has mixed from songModule.
  bool StartPlaying() {
    lastAudioBytes = AudioBytesBeforeFirstCallback;
    device_ = OpenSongAudioDevice();
    if (device_ == NoDevice) return false;
    SDL_PauseAudioDevice(device_, 0);
    const Uint32 deadline = SDL_GetTicks() + FirstCallbackLimitMs;
    while (lastAudioBytes == AudioBytesBeforeFirstCallback && SDL_GetTicks() < deadline) SDL_Delay(1);
    return lastAudioBytes != AudioBytesBeforeFirstCallback;
  }

  SDL_AudioDeviceID device_ = NoDevice;
};

TEST_F(SongDeviceTest, StopSongFreesThePlayerOfAPlayingDeviceAndClosesIt) {
  ASSERT_TRUE(StartPlaying()) << SDL_GetError();
  StopSong(device_);
  EXPECT_EQ(songModule, nullptr) << "the player is kept: the device was still playing when it was released";
  EXPECT_EQ(SDL_GetAudioDeviceStatus(device_), SDL_AUDIO_STOPPED) << "the device is closed";
}

TEST_F(SongDeviceTest, ThePlayerIsFreedOnlyOnceItsDeviceNoLongerPlays) {
  ASSERT_TRUE(StartPlaying()) << SDL_GetError();
  ModPlugFile* const player = songModule;
  EXPECT_FALSE(ReleaseSong(songModule, device_));
  EXPECT_EQ(songModule, player);
  SDL_PauseAudioDevice(device_, 1);
  EXPECT_TRUE(ReleaseSong(songModule, device_));
  EXPECT_EQ(songModule, nullptr);
}

TEST_F(SongDeviceTest, WithoutADeviceThePlayerIsFreed) {
  EXPECT_TRUE(ReleaseSong(songModule, NoDevice)) << "the device that failed to open plays nothing";
  EXPECT_EQ(songModule, nullptr);
}

}  // namespace
