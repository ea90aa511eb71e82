// The song stopped at shut-down, on a real device whose own thread runs the program's callback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <SDL.h>

#include "demo/audio.h"
#include "demo/module_player.h"
#include "demo/stop_song.h"
#include "player_unloads.h"
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

// However the player is freed, the device must no longer be able to call back into it then:
// StopSong releases it once, with the device in `atRelease`, and leaves the device closed.
void ExpectStopSongReleasesThePlayerAt(SDL_AudioDeviceID device, SDL_AudioStatus atRelease) {
  {
    const brisa_test::PlayerUnloads unloads(device);
    StopSong(device);
    EXPECT_EQ(unloads.deviceStatus(), std::vector<SDL_AudioStatus>{atRelease}) << "one release, at that status";
  }
  EXPECT_EQ(songModule, nullptr);
  EXPECT_EQ(SDL_GetAudioDeviceStatus(device), SDL_AUDIO_STOPPED) << "the device is closed";
}

TEST_F(SongDeviceTest, StopSongFreesThePlayerOfAPlayingDeviceBetweenItsPauseAndItsClose) {
  ASSERT_TRUE(StartPlaying()) << SDL_GetError();
  ExpectStopSongReleasesThePlayerAt(device_, SDL_AUDIO_PAUSED);
}

TEST_F(SongDeviceTest, StopSongFreesThePlayerOfTheDeviceThatFailedToOpen) {
  ExpectStopSongReleasesThePlayerAt(NoDevice, SDL_AUDIO_STOPPED);
}

}  // namespace
