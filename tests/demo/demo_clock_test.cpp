// The demo clock follows the tick count across the 32-bit wrap of both counters.
#include <gtest/gtest.h>

#include "demo/demo_clock.h"

namespace {

TEST(DemoClock, StartsAtTheTickCountAndAddsTheTicksElapsed) {
  DemoClock clock;
  StartDemoClock(clock, 1500u);
  EXPECT_EQ(clock.timeMs, 1500);
  EXPECT_EQ(clock.lastTicks, 1500);
  AdvanceDemoClock(clock, 1516u);
  AdvanceDemoClock(clock, 1516u);
  AdvanceDemoClock(clock, 1550u);
  EXPECT_EQ(clock.timeMs, 1550);
  EXPECT_EQ(clock.lastTicks, 1550);
}

TEST(DemoClock, WrapsAroundInsteadOfOverflowing) {
  struct Case {
    const char* what;
    uint32_t start;
    uint32_t next;
    int32_t timeMs;
    int32_t lastTicks;
  };
  const Case cases[] = {
      {"time passes INT32_MAX", 0x7FFFFFF0u, 0x80000010u, INT32_MIN + 0x10, INT32_MIN + 0x10},
      {"tick counter wraps to 0", 0xFFFFFFF0u, 0x00000010u, 0x10, 0x10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DemoClock clock;
    StartDemoClock(clock, c.start);
    AdvanceDemoClock(clock, c.next);
    EXPECT_EQ(clock.timeMs, c.timeMs);
    EXPECT_EQ(clock.lastTicks, c.lastTicks);
  }
}

TEST(DemoClock, KeepsItsOwnOffsetFromTheTicks) {
  DemoClock clock{100, 0x7FFFFFFF};
  AdvanceDemoClock(clock, 0x80000004u);
  EXPECT_EQ(clock.timeMs, 105);
  EXPECT_EQ(clock.lastTicks, INT32_MIN + 4);
}

}  // namespace
