// The tiling noise of both lattices: it passes through its lattice values, stays within 0..1 and
// repeats to the bit over its periods, the octaves included; across only, it does not repeat down.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tools/common/periodic_noise.h"

namespace {

using tools::NoiseLattice;

struct LatticeCase {
  std::string name;
  NoiseLattice lattice;
};

void PrintTo(const LatticeCase& lattice, std::ostream* out) { *out << lattice.name; }

// The backgrounds' lattice repeats across only, the scenery's both ways.
const LatticeCase Lattices[] = {
    {"SumMixAcross", {tools::SumMixHash, 5, 0}},
    {"XorMixBothWays", {tools::XorMixHash, 4, 4}},
};

constexpr uint32_t Seed = 17;

// Points on lattice lines and off them, left of zero and many cells out. Sixteenths, so that a
// point moved by a period is exactly that point in float, as the tiled pictures' pixels are.
template <typename Check>
void ForSamplePoints(Check check) {
  for (int i = -160; i <= 160; i += 3)
    for (int j = -160; j <= 160; j += 5) check(i / 16.0f, j / 16.0f);
}

class PeriodicNoiseTest : public ::testing::TestWithParam<LatticeCase> {};

TEST_P(PeriodicNoiseTest, PassesThroughItsLatticeValues) {
  const NoiseLattice& lattice = GetParam().lattice;
  for (int x = -6; x <= 6; ++x) {
    for (int y = -6; y <= 6; ++y) {
      const uint32_t wx = static_cast<uint32_t>((x + 2 * lattice.periodX) % lattice.periodX);
      const uint32_t wy = static_cast<uint32_t>(lattice.periodY > 0 ? (y + 2 * lattice.periodY) % lattice.periodY : y);
      ASSERT_EQ(tools::PeriodicNoise(lattice, float(x), float(y), Seed), lattice.hash(wx, wy, Seed)) << x << ", " << y;
    }
  }
}

// Smoothstep eases symmetrically: halfway along a lattice line lies the mean of its two ends.
TEST_P(PeriodicNoiseTest, HalfwayBetweenLatticePointsIsTheirMean) {
  const NoiseLattice& lattice = GetParam().lattice;
  for (int x = 0; x < 4; ++x) {
    for (int y = 0; y < 4; ++y) {
      const float here = tools::PeriodicNoise(lattice, float(x), float(y), Seed);
      const float right = tools::PeriodicNoise(lattice, x + 1.0f, float(y), Seed);
      const float below = tools::PeriodicNoise(lattice, float(x), y + 1.0f, Seed);
      EXPECT_FLOAT_EQ(tools::PeriodicNoise(lattice, x + 0.5f, float(y), Seed), (here + right) / 2) << x << ", " << y;
      EXPECT_FLOAT_EQ(tools::PeriodicNoise(lattice, float(x), y + 0.5f, Seed), (here + below) / 2) << x << ", " << y;
    }
  }
}

TEST_P(PeriodicNoiseTest, StaysWithinZeroToOne) {
  const NoiseLattice& lattice = GetParam().lattice;
  ForSamplePoints([&](float x, float y) {
    const float noise = tools::PeriodicNoise(lattice, x, y, Seed);
    ASSERT_GE(noise, 0.0f) << x << ", " << y;
    ASSERT_LE(noise, 1.0f) << x << ", " << y;
    const float fbm = tools::PeriodicFbm(lattice, x, y, 4, Seed);
    ASSERT_GE(fbm, 0.0f) << x << ", " << y;
    ASSERT_LE(fbm, 1.0f) << x << ", " << y;
  });
}

TEST_P(PeriodicNoiseTest, RepeatsExactlyOverItsPeriods) {
  const NoiseLattice& lattice = GetParam().lattice;
  const float across = float(lattice.periodX), down = float(lattice.periodY);
  ForSamplePoints([&](float x, float y) {
    const float here = tools::PeriodicFbm(lattice, x, y, 3, Seed);
    ASSERT_EQ(tools::PeriodicFbm(lattice, x + across, y, 3, Seed), here) << x << ", " << y;
    ASSERT_EQ(tools::PeriodicFbm(lattice, x - 2 * across, y, 3, Seed), here) << x << ", " << y;
    if (lattice.periodY > 0) {
      ASSERT_EQ(tools::PeriodicFbm(lattice, x, y + down, 3, Seed), here) << x << ", " << y;
    }
  });
}

TEST_P(PeriodicNoiseTest, OneOctaveIsTheNoiseItself) {
  const NoiseLattice& lattice = GetParam().lattice;
  ForSamplePoints([&](float x, float y) {
    ASSERT_EQ(tools::PeriodicFbm(lattice, x, y, 1, Seed), tools::PeriodicNoise(lattice, x, y, Seed));
  });
}

// The second octave is the noise of a lattice twice as long each way, at twice the frequency, with
// the next seed, at half the first one's weight.
TEST_P(PeriodicNoiseTest, TheSecondOctaveDoublesFrequencyAndPeriod) {
  const NoiseLattice& lattice = GetParam().lattice;
  const NoiseLattice doubled{lattice.hash, 2 * lattice.periodX, 2 * lattice.periodY};
  ForSamplePoints([&](float x, float y) {
    const float first = tools::PeriodicNoise(lattice, x, y, Seed);
    const float second = tools::PeriodicNoise(doubled, 2 * x, 2 * y, Seed + 1);
    ASSERT_NEAR(tools::PeriodicFbm(lattice, x, y, 2, Seed), (first + 0.5f * second) / 1.5f, 1e-6f) << x << ", " << y;
  });
}

INSTANTIATE_TEST_SUITE_P(BothLattices, PeriodicNoiseTest, ::testing::ValuesIn(Lattices),
                         [](const ::testing::TestParamInfo<LatticeCase>& info) { return info.param.name; });

// The beach's waves run on down the picture: a lattice that repeats across only must not fold back.
TEST(PeriodicNoise, AcrossOnlyDoesNotRepeatDown) {
  const NoiseLattice lattice{tools::SumMixHash, 5, 0};
  int differing = 0;
  for (int y = 0; y < 40; ++y) differing += tools::PeriodicNoise(lattice, 1.5f, y + 0.5f, Seed) !=
                                            tools::PeriodicNoise(lattice, 1.5f, y + 5.5f, Seed);
  EXPECT_GT(differing, 30);
}

}  // namespace
