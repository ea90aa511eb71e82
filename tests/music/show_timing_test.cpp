// The show as the demo's main loop sees the song: a snapshot per display frame of the state left by
// the latest 4096-frame audio callback. Greetings and the flamingo build-up must fit the music.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "demo/song_positions.h"
#include "soundtrack_playbacks.h"

namespace music_test {
namespace {

constexpr int GreetingCount = 57;
constexpr float GreetingFadeRatePerMs = 0.8f;
constexpr int FlamingoIndicesPerFrame = 3;
constexpr int FlamingoIndexBudget = 3300;  // about 1100 triangles in the flamingo mesh

// The snapshot the main thread copies at a moment: the state after the last callback started by then.
class FrameSnapshots {
 public:
  explicit FrameSnapshots(const Playback& playback) : playback_(playback) {}
  const PlayerState* At(double seconds) const {
    const double callbackSeconds = double(DemoBufferFrames) / SampleRateHz;
    const size_t callback = size_t(seconds / callbackSeconds);
    return callback < playback_.states.size() ? &playback_.states[callback] : nullptr;
  }

 private:
  const Playback& playback_;
};

// The greetings animator's timing: fade in to 255, one frame held, fade out, then wait for a beat.
class GreetingsClock {
 public:
  void Update(int timeMs, int channelTwoInstrument) {
    if (shown_ == GreetingCount) return;
    if (state_ == Waiting && channelTwoInstrument == 10) {
      phaseMs_ = timeMs;
      state_ = FadingIn;
      ++started_;
    } else if (state_ == FadingIn && int(float(timeMs - phaseMs_) * GreetingFadeRatePerMs) >= 255) {
      state_ = Holding;
    } else if (state_ == Holding) {
      state_ = FadingOut;
      phaseMs_ = timeMs;
    } else if (state_ == FadingOut &&
               int(255.0f - float(timeMs - phaseMs_) * GreetingFadeRatePerMs) <= 0) {
      ++shown_;
      state_ = Waiting;
    }
  }
  int started() const { return started_; }
  int shown() const { return shown_; }

 private:
  enum { Waiting, FadingIn, Holding, FadingOut } state_ = Waiting;
  int phaseMs_ = 0;
  int started_ = 0;
  int shown_ = 0;
};

class ShowTiming : public ::testing::TestWithParam<int> {};

TEST_P(ShowTiming, AllGreetingsShowBetweenTheGreetingsCueAndTheFinale) {
  const int refreshHz = GetParam();
  const FrameSnapshots snapshots(DemoPlayback());
  GreetingsClock greetings;
  int framesInGreetings = 0;
  for (int frame = 0;; ++frame) {
    const double seconds = double(frame) / refreshHz;
    const PlayerState* state = snapshots.At(seconds);
    ASSERT_NE(state, nullptr) << "the song ended before the finale";
    if (state->order >= FinaleOrder) break;
    if (state->order < GreetingsOrder) continue;
    ++framesInGreetings;
    greetings.Update(1000 + int(seconds * 1000.0), state->rowInstrument[2]);
  }
  EXPECT_GT(framesInGreetings, 0);
  EXPECT_EQ(greetings.shown(), GreetingCount) << greetings.started() << " greetings started in time";
}

TEST_P(ShowTiming, FlamingoBuildsCompletelyBeforeTheWindsurfer) {
  const int refreshHz = GetParam();
  const FrameSnapshots snapshots(DemoPlayback());
  int indices = 0;
  for (int frame = 0;; ++frame) {
    const PlayerState* state = snapshots.At(double(frame) / refreshHz);
    ASSERT_NE(state, nullptr);
    if (state->order >= WindsurfOrder) break;
    if (state->order >= FlamingoOrder && state->rowNote[0] != 0) indices += FlamingoIndicesPerFrame;
  }
  EXPECT_GE(indices, FlamingoIndexBudget);
}

INSTANTIATE_TEST_SUITE_P(RefreshRates, ShowTiming, ::testing::Values(50, 60, 75, 144),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::to_string(info.param) + "Hz";
                         });

// A beat row shorter than a callback could fall between two snapshots and never reach the show.
TEST(ShowSnapshots, EveryBeatRowIsVisibleInSomeDemoBuffer) {
  std::set<std::pair<int, int>> fineBeats;
  for (const PlayerState& state : FinePlayback().states)
    if (state.rowInstrument[2] == 10) fineBeats.emplace(state.order, state.row);
  std::set<std::pair<int, int>> seenBeats;
  for (const PlayerState& state : DemoPlayback().states)
    if (state.rowInstrument[2] == 10) seenBeats.emplace(state.order, state.row);
  EXPECT_FALSE(fineBeats.empty());
  EXPECT_EQ(seenBeats, fineBeats);
}

}  // namespace
}  // namespace music_test
