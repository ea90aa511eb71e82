// Float coverage grids and the distance and resampling steps that turn glyphs into outlines and glows.
#pragma once

#include <cstddef>
#include <vector>

namespace sprites {

struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> values;  // rows top first, 0 = empty, 1 = covered

  Mask() = default;
  Mask(int w, int h) : width(w), height(h), values(static_cast<size_t>(w) * h, 0.0f) {}
  float& At(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
  float At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
  // Zero outside the grid, so shifted reads need no bounds checks at the call site.
  float Sample(int x, int y) const {
    return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f : At(x, y);
  }
};

// Euclidean distance, in grid cells, from every cell to the nearest cell whose value reaches
// `threshold` (0 on such cells).
std::vector<float> DistanceToCovered(const Mask& mask, float threshold);

// Box-filters a grid whose size is a multiple of `factor` down by that factor.
Mask Downsample(const Mask& fine, int factor);

}  // namespace sprites
