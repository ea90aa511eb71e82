// The staged module is a 4-channel ProTracker file the composer makes the same way on every build.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "soundtrack_playbacks.h"

namespace music_test {
namespace {

TEST(SoundtrackLayout, IsProTrackerWithTwentyEightOrdersAndZeroedTail) {
  const ModLayout& layout = SoundtrackLayout();
  ASSERT_TRUE(layout.valid) << "no readable " BRISA_STAGE_DIR "/Assets/sorvane.mod";
  EXPECT_EQ(layout.tag, "M.K.");
  EXPECT_EQ(layout.songLength, OrderCount);
  for (int i = OrderCount; i < 128; ++i) EXPECT_EQ(layout.orderTable[i], 0) << "order entry " << i;
  EXPECT_LE(layout.patternCount, 64);
  EXPECT_EQ(Soundtrack().size(), 1084 + size_t(layout.patternCount) * 1024 + layout.sampleBytes);
}

TEST(SoundtrackLayout, ComposerWritesTheSameBytesAgain) {
  const std::string output = ::testing::TempDir() + "sorvane_again.mod";
  const std::string command =
      std::string("\"") + BRISA_COMPOSER + "\" \"" + BRISA_SOUNDTRACK_SCORE + "\" \"" + output + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(ReadFileBytes(output) == Soundtrack()) << "the composer's output changed between two runs";
  std::remove(output.c_str());
}

}  // namespace
}  // namespace music_test
