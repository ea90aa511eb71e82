// The 60 Hz display clock, the sound device's buffer rule, and the mixer that follows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "demo/audio.h"
#include "demo/module_player.h"
#include "support/mod_fixture.h"
#include "tools/capture/offline_pacing.h"
#include "tools/capture/show_driver.h"
#include "tools/capture/soundtrack_mixer.h"

namespace show_capture {
namespace {

TEST(ShowPacing, FramesFollowASixtyHertzDisplayInWholeMilliseconds) {
  struct Case {
    int64_t frame;
    int64_t playbackMs;
  };
  const Case cases[] = {{0, 0}, {1, 16}, {2, 33}, {3, 50}, {59, 983}, {60, 1000}, {12912, 215200}};
  for (const Case& c : cases) {
    EXPECT_EQ(FramePlaybackMs(c.frame), c.playbackMs) << "frame " << c.frame;
    EXPECT_EQ(FrameClockMs(c.frame, ClockStartMs), ClockStartMs + c.playbackMs) << "frame " << c.frame;
  }
  EXPECT_GE(ClockStartMs, 1000);
}

TEST(ShowPacing, TheMixReachesPastTheDisplayByAtMostOneBuffer) {
  // A buffer lasts 4096 / 44.1 = 92.88 ms.
  EXPECT_EQ(BuffersTakenBy(0), 1);
  EXPECT_EQ(BuffersTakenBy(92), 1);
  EXPECT_EQ(BuffersTakenBy(93), 2);
  EXPECT_EQ(BuffersTakenBy(185), 2);
  EXPECT_EQ(BuffersTakenBy(186), 3);
  for (int64_t ms = 0; ms < 20000; ++ms) {
    const int64_t mixedFrames = BuffersTakenBy(ms) * MixBufferFrames;
    ASSERT_GT(mixedFrames * 1000, ms * MixRateHz) << ms << " ms: the display is ahead of the music";
    ASSERT_LE((mixedFrames - MixBufferFrames) * 1000, ms * MixRateHz) << ms << " ms: more than a buffer ahead";
  }
}

// A player made from the fixture module with the program's settings, installed as the song, and
// the song as a player of its own mixed it before.
class MixerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplySongSettings();
    const std::string module = brisa_test::MakeTestModule();
    moduleBytes_.assign(module.begin(), module.end());
    reference_ = ReadSongDirectly();
    songModule = LoadSong(moduleBytes_);
    ASSERT_NE(songModule, nullptr);
  }
  void TearDown() override {
    // libmodplug's mixer keeps state of its own across players: a song left half-played would
    // change the first bytes of the next one.
    PlayOut(songModule);
    ModPlug_Unload(songModule);
    songModule = nullptr;
  }

  // Reads the player to its end in device-sized buffers; the music it produced.
  static std::vector<uint8_t> PlayOut(ModPlugFile* player) {
    std::vector<uint8_t> music;
    std::vector<uint8_t> buffer(MixBufferBytes);
    for (int produced = 1; produced > 0;) {
      produced = ModPlug_Read(player, buffer.data(), static_cast<int>(buffer.size()));
      music.insert(music.end(), buffer.begin(), buffer.begin() + std::max(produced, 0));
    }
    return music;
  }

  // The whole song as a player of its own mixes it.
  std::vector<uint8_t> ReadSongDirectly() {
    ModPlugFile* player = LoadSong(moduleBytes_);
    std::vector<uint8_t> music = PlayOut(player);
    ModPlug_Unload(player);
    return music;
  }

  std::vector<uint8_t> moduleBytes_;
  std::vector<uint8_t> reference_;
};

TEST_F(MixerTest, MixesWholeBuffersWhileTheSongPlays) {
  SoundtrackMixer mixer;
  ASSERT_TRUE(mixer.MixUntil(3));
  EXPECT_EQ(mixer.bytes().size(), static_cast<size_t>(3 * MixBufferBytes));
  EXPECT_EQ(lastAudioBytes.load(), MixBufferBytes);
  ASSERT_TRUE(mixer.MixUntil(2));
  EXPECT_EQ(mixer.bytes().size(), static_cast<size_t>(3 * MixBufferBytes)) << "taken buffers are not mixed again";
}

TEST_F(MixerTest, KeepsTheVeryBytesOfTheSongAndStopsAtItsEnd) {
  SoundtrackMixer mixer;
  EXPECT_FALSE(mixer.MixUntil(1000));
  EXPECT_EQ(lastAudioBytes.load(), 0);
  ASSERT_FALSE(reference_.empty());
  EXPECT_TRUE(mixer.bytes() == reference_);
  EXPECT_EQ(mixer.bytes().size() % MixBytesPerFrame, 0u);
  // Eight rows of 120 ms and the last notes' tails: about a second.
  EXPECT_NEAR(static_cast<double>(mixer.bytes().size()) / (MixRateHz * MixBytesPerFrame), 1.0, 0.25);
  EXPECT_FALSE(mixer.MixUntil(2000));
  EXPECT_TRUE(mixer.bytes() == reference_) << "nothing is mixed after the end";
}

}  // namespace
}  // namespace show_capture
