// The wait before the song hands the timeline over at the intro.
#include <gtest/gtest.h>

#include "demo/show_start.h"
#include "demo/timeline.h"

namespace {

// Each cue leads on from the section before it, the first from the intro: a timeline left in any
// other state after the wait would never play the sections in their order.
TEST(ShowStart, TheWaitBeforeTheSongEndsWithTheTimelineAtTheIntro) {
  const int before = timelineState;
  timelineState = SceneFinale;
  WaitBeforeTheSong();
  EXPECT_EQ(timelineState, SceneIntro);
  timelineState = before;
}

}  // namespace
