// The greetings, each shown in full from its own atlas cell, and the parrot sliding in.
#include <gtest/gtest.h>

#include <string>

#include "demo/song_positions.h"
#include "show_record.h"

namespace show_capture {
namespace {

constexpr int GreetingCount = 57;

Region ParrotAt(float designX) {
  const SpriteDestination at = ScaleDestination({0, DesignParrotY, ParrotSource.width, ParrotSource.height});
  return {ParrotX(designX), at.y, at.width, at.height};
}

TEST(ShowGreetings, EveryGreetingShowsInFullBeforeTheFinale) {
  const std::vector<GreetingSeen>& greetings = Show().greetings.greetings;
  ASSERT_EQ(greetings.size(), static_cast<size_t>(GreetingCount));
  const int atlasHeight = Art("greets.png").height;
  ASSERT_GT(atlasHeight, 0);
  int unveiled = 0;
  for (int n = 0; n < GreetingCount; ++n) {
    SCOPED_TRACE("greeting " + std::to_string(n));
    const GreetingSeen& seen = greetings[static_cast<size_t>(n)];
    EXPECT_EQ(seen.number, n);
    EXPECT_LT(seen.order, FinaleOrder);
    // The animator's rows run on past the atlas; the sprite sampler wraps them back onto it.
    EXPECT_EQ(seen.cellX, GreetingCell(n).x);
    EXPECT_EQ(seen.cellY % atlasHeight, GreetingCell(n).y);
    EXPECT_GT(seen.match.tested, 100);
    if (seen.fade.alpha != 0) continue;
    ++unveiled;
    EXPECT_GE(seen.match.fraction(), SpriteShown);
  }
  // Only the first may come on under the white fade that opens the greetings.
  EXPECT_GE(unveiled, GreetingCount - 1);
}

TEST(ShowGreetings, ParrotSlidesInAndStopsAtTheLeftEdge) {
  const ParrotProbe& parrot = Show().parrot;
  ASSERT_FALSE(parrot.designX.empty());
  EXPECT_LT(parrot.designX.front(), 0.0f);
  for (size_t i = 1; i < parrot.designX.size(); ++i) EXPECT_GE(parrot.designX[i], parrot.designX[i - 1]) << i;
  EXPECT_EQ(parrot.designX.back(), 0.0f);
  ASSERT_TRUE(parrot.sliding && parrot.resting && parrot.lastParrot);
  EXPECT_LT(parrot.xWhenSliding, 0.0f);
  const ArtRect source = FromSheet(ParrotSource);
  EXPECT_GE(Match(parrot.sliding->picture, "papagayo_6c.png", source, ParrotAt(parrot.xWhenSliding)), SpriteShown);
  EXPECT_GE(Match(parrot.resting->picture, "papagayo_6c.png", source, ParrotAt(0.0f)), SpriteShown);
  EXPECT_GE(Match(parrot.lastParrot->picture, "papagayo_6c.png", source, ParrotAt(0.0f)), SpriteShown);
}

}  // namespace
}  // namespace show_capture
