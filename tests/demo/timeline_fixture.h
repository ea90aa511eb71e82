// A fresh timeline for each test: initial globals and records, and a frame driver for the update.
#pragma once

#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

namespace brisa_test {

struct FrameInput {
  int32_t order = 0;
  int32_t row = 0;
  uint8_t channel2Instrument = 0;
  int32_t channel0Note = 0;
};

// The scene objects and ids of the process, while a timeline test runs without them.
struct SetAsideScene;

// Puts every timeline global back to its value at load and makes fresh fade, tiles, greets, flamingo
// and windsurfer records (no terrain: it needs GL); releases the records afterwards. The engine
// record and the resource manager are the process's own. The set-up scene is set aside meanwhile
// and given back, with the "Screenshot" picture the shatter cue grabs into and the context's state,
// so scene and timeline tests may run in any order.
class TimelineTest : public ::testing::Test {
 protected:
  // A test may call it again to start afresh.
  void SetUp() override;
  void TearDown() override;

  // Sets the clock and the snapshot for one frame, then runs the timeline update.
  static void Frame(int32_t t, const FrameInput& input);
  static void Frame(int32_t t, int32_t order, int32_t row = 0);

 private:
  std::shared_ptr<SetAsideScene> setAside_;
};

// The same with a terrain as well. Making one requests its shader and heightmap, which needs GL, so
// the show's scene is set up first (once per process) and the requests find what it loaded.
class TerrainTimelineTest : public TimelineTest {
 protected:
  void SetUp() override;
};

// The timeline globals at load, for the tests' own set-up.
void ResetTimelineGlobals();

}  // namespace brisa_test
