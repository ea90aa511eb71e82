// The colour fade: its ramp values, its end on the first Advance at or after the end time, and its
// start and reset rules.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "demo/fade.h"
#include "demo/music_state.h"
#include "support/music_state_guard.h"

namespace {

struct AdvanceStep {
  int32_t t;
  int32_t alpha;
  bool finished;
};

struct RampCase {
  const char* name;
  uint32_t rgb;
  bool fadeIn;
  int32_t durationMs;
  std::vector<AdvanceStep> steps;  // started at t = 10000
};

// A fade reads the process's clock; the tests set it and give it back.
class FadeRamp : public ::testing::TestWithParam<RampCase> {
  brisa_test::MusicStateGuard musicState_;
};

class FadeTest : public ::testing::Test {
  brisa_test::MusicStateGuard musicState_;
};

TEST_P(FadeRamp, AlphaFollowsTheClockAndStopsAtItsEndValue) {
  const RampCase& ramp = GetParam();
  Fade fade;
  demoClock.timeMs = 10000;
  fade.Start(ramp.rgb, ramp.fadeIn, ramp.durationMs);
  EXPECT_EQ(fade.alpha, ramp.fadeIn ? 0 : 255);
  EXPECT_EQ(fade.startMs, 10000);
  EXPECT_EQ(fade.endMs, 10000 + ramp.durationMs);
  for (const AdvanceStep& step : ramp.steps) {
    demoClock.timeMs = step.t;
    fade.Advance();
    EXPECT_EQ(fade.alpha, step.alpha) << "t " << step.t;
    EXPECT_EQ(fade.finished, step.finished) << "t " << step.t;
    EXPECT_EQ(fade.argb, (static_cast<uint32_t>(fade.alpha) << 24) | ramp.rgb) << "t " << step.t;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ramps, FadeRamp,
    ::testing::Values(
        // 250 / 500 x 255 = 127.5 truncates to 127; 499 ms leaves 1; the end time reaches 0.
        RampCase{"WhiteOut", 0xffffff, false, 500,
                 {{10000, 255, false}, {10250, 128, false}, {10499, 1, false}, {10500, 0, true}}},
        // A late first Advance past the end still lands exactly on the end value.
        RampCase{"RedOutLate", 0xe0040f, false, 500, {{10100, 204, false}, {10900, 0, true}}},
        RampCase{"BlackIn", 0x000000, true, 3000,
                 {{10000, 0, false}, {11500, 127, false}, {12999, 254, false}, {13000, 255, true}}},
        // Once finished, Advance changes nothing, even for an earlier time.
        RampCase{"FinishedStaysPut", 0x000000, true, 1000, {{11000, 255, true}, {10500, 255, true}}},
        // A ramp of no length is complete on its first Advance instead of dividing by zero.
        RampCase{"ZeroDuration", 0xffffff, false, 0, {{10000, 0, true}}},
        // A clock behind the start counts as the start.
        RampCase{"ClockBeforeStart", 0x000000, true, 1000, {{9000, 0, false}, {10500, 127, false}}}),
    [](const ::testing::TestParamInfo<RampCase>& info) { return info.param.name; });

TEST_F(FadeTest, AFreshFadeIsOpaqueBlackAndNotStarted) {
  const Fade fade;
  EXPECT_FALSE(fade.started);
  EXPECT_FALSE(fade.finished);
  EXPECT_EQ(fade.alpha, 255);
  EXPECT_EQ(fade.argb, 0xff000000u);
}

TEST_F(FadeTest, StartIsIgnoredUntilResetAndResetKeepsTheColour) {
  Fade fade;
  demoClock.timeMs = 2000;
  fade.Start(0xffffff, false, 500);
  demoClock.timeMs = 2100;
  fade.Start(0x000000, true, 3000);
  EXPECT_EQ(fade.rgb, 0xffffffu);
  EXPECT_EQ(fade.startMs, 2000);
  EXPECT_FALSE(fade.fadeIn);

  demoClock.timeMs = 2600;
  fade.Advance();
  ASSERT_TRUE(fade.finished);
  fade.Reset();
  EXPECT_FALSE(fade.started);
  EXPECT_FALSE(fade.finished);
  EXPECT_EQ(fade.alpha, 0);
  EXPECT_EQ(fade.argb, 0x00ffffffu);

  fade.Start(0x000000, true, 3000);
  EXPECT_EQ(fade.startMs, 2600);
  EXPECT_EQ(fade.endMs, 5600);
  EXPECT_EQ(fade.argb, 0x00000000u);
}

TEST_F(FadeTest, StartLeavesFinishedAsItWas) {
  Fade fade;
  fade.finished = true;
  demoClock.timeMs = 1000;
  fade.Start(0xffffff, false, 500);
  EXPECT_TRUE(fade.finished);
  demoClock.timeMs = 1200;
  fade.Advance();
  EXPECT_EQ(fade.alpha, 255);
}

}  // namespace
