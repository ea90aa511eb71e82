// An independent player, libopenmpt, hears the same song: same order times, same length.
#include <gtest/gtest.h>

#include <libopenmpt/libopenmpt.hpp>

#include <map>
#include <memory>

#include "soundtrack_playbacks.h"

namespace music_test {
namespace {

struct OpenmptTimes {
  std::map<int, double> orderStartSeconds;
  double renderedSeconds = 0.0;
  double durationSeconds = 0.0;
};

OpenmptTimes PlayWithOpenmpt(const std::vector<uint8_t>& bytes) {
  OpenmptTimes times;
  openmpt::module module(bytes);
  times.durationSeconds = module.get_duration_seconds();
  std::vector<int16_t> left(FineReadFrames), right(FineReadFrames);
  int64_t frames = 0;
  while (const size_t produced = module.read(SampleRateHz, FineReadFrames, left.data(), right.data())) {
    frames += int64_t(produced);
    times.orderStartSeconds.emplace(module.get_current_order(), Seconds(frames));
  }
  times.renderedSeconds = Seconds(frames);
  return times;
}

TEST(OpenmptCrossCheck, SameOrderTimesAndLengthAsLibmodplug) {
  ASSERT_FALSE(Soundtrack().empty());
  const OpenmptTimes openmpt = PlayWithOpenmpt(Soundtrack());
  const Playback& modplug = FinePlayback();
  for (int order = 0; order < OrderCount; ++order) {
    const int state = FirstStateAt(modplug, order, 0);
    ASSERT_GE(state, 0);
    ASSERT_TRUE(openmpt.orderStartSeconds.count(order)) << "libopenmpt never plays order " << order;
    EXPECT_NEAR(openmpt.orderStartSeconds.at(order), Seconds(modplug.states[state].framesPlayed),
                RowSeconds)
        << "order " << order;
  }
  const double modplugSeconds = Seconds(modplug.totalFrames);
  EXPECT_NEAR(openmpt.durationSeconds, modplugSeconds, modplugSeconds * 0.01);
  EXPECT_NEAR(openmpt.renderedSeconds, modplugSeconds, modplugSeconds * 0.01);
}

}  // namespace
}  // namespace music_test
