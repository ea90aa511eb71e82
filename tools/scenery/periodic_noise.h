// Smooth value noise that repeats exactly over the unit square, for images that tile.
#pragma once

#include <cstdint>

namespace scenery {

// Value noise on a period x period lattice over [0, 1)^2, wrapping in both directions; 0..1.
float PeriodicValueNoise(float u, float v, int period, uint32_t seed);

// Octaves of PeriodicValueNoise, periods doubling from `basePeriod`, amplitudes halving; 0..1.
float PeriodicFractalNoise(float u, float v, int basePeriod, int octaves, uint32_t seed);

}  // namespace scenery
