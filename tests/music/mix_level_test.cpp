// The mix at the demo's player settings: loud enough all through, and never at full scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "soundtrack_playbacks.h"

namespace music_test {
namespace {

constexpr int PeakLimit = 31000;  // about -0.5 dBFS
constexpr double QuietestSecondDbfs = -45.0;
constexpr double FadeStartSeconds = (27 * 64 + 32) * RowSeconds;

double RmsDbfs(const int16_t* samples, size_t count) {
  double sum = 0.0;
  for (size_t i = 0; i < count; ++i) sum += double(samples[i]) * samples[i];
  return 20.0 * std::log10(std::sqrt(sum / double(count)) / 32768.0 + 1e-12);
}

TEST(MixLevel, PeakStaysBelowFullScale) {
  const std::vector<int16_t>& pcm = DemoPlayback().pcm;
  ASSERT_FALSE(pcm.empty());
  int peak = 0;
  for (int16_t sample : pcm) peak = std::max(peak, std::abs(int(sample)));
  EXPECT_LT(peak, PeakLimit);
}

TEST(MixLevel, NoSilentSecondBeforeTheFinalChord) {
  const std::vector<int16_t>& pcm = DemoPlayback().pcm;
  const size_t secondSamples = size_t(SampleRateHz) * 2;
  for (int second = 0; second + 1 < int(FadeStartSeconds); ++second) {
    ASSERT_LE((second + 1) * secondSamples, pcm.size());
    EXPECT_GT(RmsDbfs(&pcm[second * secondSamples], secondSamples), QuietestSecondDbfs)
        << "second " << second;
  }
}

}  // namespace
}  // namespace music_test
