// Smooth value noise that repeats after a whole number of lattice cells, for pictures that tile.
#pragma once

#include <cstdint>

#include "tools/common/lattice_hash.h"

namespace tools {

// The lattice the noise eases between: values one cell apart from `hash`, repeating every
// `periodX` cells across and every `periodY` cells down (0: not down).
struct NoiseLattice {
  float (*hash)(uint32_t x, uint32_t y, uint32_t seed);
  int periodX;
  int periodY;
};

// The noise at (x, y), in cells: the four surrounding lattice values blended by smoothstep; 0..1.
float PeriodicNoise(const NoiseLattice& lattice, float x, float y, uint32_t seed);

// `octaves` layers of PeriodicNoise, each at twice the frequency and period of the one before,
// half its weight and the next seed; 0..1, repeating like the first layer.
float PeriodicFbm(NoiseLattice lattice, float x, float y, int octaves, uint32_t seed);

}  // namespace tools
