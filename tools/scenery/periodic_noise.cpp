// Lattice hashing and smooth interpolation for the tiling noise.
#include "tools/scenery/periodic_noise.h"

#include <cmath>

namespace scenery {

namespace {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return h;
}

float LatticeValue(int x, int y, int period, uint32_t seed) {
  const uint32_t wx = static_cast<uint32_t>(((x % period) + period) % period);
  const uint32_t wy = static_cast<uint32_t>(((y % period) + period) % period);
  return static_cast<float>(Hash(wx, wy, seed) & 0xffffu) / 65535.0f;
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float PeriodicValueNoise(float u, float v, int period, uint32_t seed) {
  const float x = u * period;
  const float y = v * period;
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const float fx = Smooth(x - x0);
  const float fy = Smooth(y - y0);
  const float top = LatticeValue(x0, y0, period, seed) * (1 - fx) + LatticeValue(x0 + 1, y0, period, seed) * fx;
  const float bottom =
      LatticeValue(x0, y0 + 1, period, seed) * (1 - fx) + LatticeValue(x0 + 1, y0 + 1, period, seed) * fx;
  return top * (1 - fy) + bottom * fy;
}

float PeriodicFractalNoise(float u, float v, int basePeriod, int octaves, uint32_t seed) {
  float sum = 0.0f;
  float weight = 1.0f;
  float total = 0.0f;
  int period = basePeriod;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += PeriodicValueNoise(u, v, period, seed + static_cast<uint32_t>(octave)) * weight;
    total += weight;
    weight *= 0.5f;
    period *= 2;
  }
  return sum / total;
}

}  // namespace scenery
