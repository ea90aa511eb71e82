// The distance field behind every outline and glow, against brute force on small grids.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tools/sprites/mask.h"

namespace {

using sprites::Mask;

float BruteForceDistance(const Mask& m, int x, int y) {
  float best = 1e30f;
  for (int cy = 0; cy < m.height; ++cy)
    for (int cx = 0; cx < m.width; ++cx)
      if (m.At(cx, cy) >= 0.5f) best = std::min(best, std::hypot(float(cx - x), float(cy - y)));
  return best;
}

TEST(DistanceField, MatchesBruteForceOnScatteredAndSolidShapes) {
  struct Case {
    int width, height, density;  // density: one cell in `density` covered
  };
  for (const Case c : {Case{37, 23, 9}, Case{23, 37, 40}, Case{64, 3, 5}, Case{1, 17, 4}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    Mask mask(c.width, c.height);
    unsigned seed = 12345;
    for (float& v : mask.values) {
      seed = seed * 1103515245u + 12345u;
      v = (seed >> 16) % c.density == 0 ? 1.0f : 0.3f;  // 0.3: coverage below the threshold
    }
    mask.values[0] = 1.0f;
    const std::vector<float> distance = sprites::DistanceToCovered(mask, 0.5f);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) ASSERT_NEAR(distance[size_t(y) * c.width + x], BruteForceDistance(mask, x, y), 1e-4f);
  }
}

TEST(DistanceField, EmptyGridIsFarEverywhere) {
  const Mask mask(12, 9);
  for (float d : sprites::DistanceToCovered(mask, 0.5f)) EXPECT_GT(d, 1000.0f);
}

TEST(Downsample, AveragesEachBlock) {
  Mask fine(4, 2);
  fine.values = {1, 1, 0, 1, 1, 1, 0, 0};
  const Mask coarse = sprites::Downsample(fine, 2);
  ASSERT_EQ(coarse.width, 2);
  ASSERT_EQ(coarse.height, 1);
  EXPECT_FLOAT_EQ(coarse.At(0, 0), 1.0f);
  EXPECT_FLOAT_EQ(coarse.At(1, 0), 0.25f);
}

}  // namespace
