// A float RGBA canvas, colour ramps and integer-hash noise shared by the background painters.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "tools/common/colour.h"
#include "tools/common/image.h"
#include "tools/common/periodic_noise.h"

namespace backgrounds {

// The painters' colours, and the hash that scatters stars, windows and fronds and makes their noise.
using tools::Hex;
using tools::SumMixHash;

constexpr int BackgroundWidth = 1024;
constexpr int BackgroundHeight = 512;

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<glm::vec4> pixels;  // linear 0..1, straight alpha, rows top first

  Canvas(int w, int h) : width(w), height(h), pixels(size_t(w) * h, glm::vec4(0.0f)) {}
  glm::vec4& At(int x, int y) { return pixels[size_t(y) * width + x]; }
  const glm::vec4& At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

struct RampStop {
  float at;
  glm::vec3 color;
};
// Smooth interpolation between the stops (sorted by `at`), clamped at both ends.
glm::vec3 Ramp(const std::vector<RampStop>& stops, float t);

// The backgrounds' noise lattice: it repeats every `cellsAcross` cells across, so pictures tile horizontally.
tools::NoiseLattice HorizontalTiling(int cellsAcross);

// Blends `color` over the pixel with coverage `alpha` (0..1); opacity accumulates.
void BlendOver(glm::vec4& pixel, const glm::vec3& color, float alpha);

// 8-bit image with 3 (alpha dropped) or 4 channels.
tools::Image ToImage(const Canvas& canvas, int channels);

}  // namespace backgrounds
