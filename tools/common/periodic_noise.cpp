// Lattice wrapping and smoothstep interpolation of the tiling noise, and its octaves.
#include "tools/common/periodic_noise.h"

#include <cmath>

namespace tools {

namespace {

uint32_t Wrapped(int cell, int period) {
  return static_cast<uint32_t>(period > 0 ? ((cell % period) + period) % period : cell);
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float Mix(float a, float b, float t) { return a * (1.0f - t) + b * t; }

}  // namespace

float PeriodicNoise(const NoiseLattice& lattice, float x, float y, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const float fx = Smooth(x - static_cast<float>(x0));
  const float fy = Smooth(y - static_cast<float>(y0));
  auto value = [&](int cx, int cy) {
    return lattice.hash(Wrapped(cx, lattice.periodX), Wrapped(cy, lattice.periodY), seed);
  };
  const float top = Mix(value(x0, y0), value(x0 + 1, y0), fx);
  const float bottom = Mix(value(x0, y0 + 1), value(x0 + 1, y0 + 1), fx);
  return Mix(top, bottom, fy);
}

float PeriodicFbm(NoiseLattice lattice, float x, float y, int octaves, uint32_t seed) {
  float sum = 0.0f, weight = 1.0f, total = 0.0f;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * PeriodicNoise(lattice, x, y, seed + static_cast<uint32_t>(octave));
    total += weight;
    x *= 2.0f;
    y *= 2.0f;
    lattice.periodX *= 2;
    lattice.periodY *= 2;
    weight *= 0.5f;
  }
  return sum / total;
}

}  // namespace tools
