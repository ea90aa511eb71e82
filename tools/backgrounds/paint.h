// A float RGBA canvas, colour ramps and integer-hash noise shared by the background painters.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "tools/common/colour.h"
#include "tools/common/image.h"

namespace backgrounds {

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

// Deterministic hash of integer coordinates to 0..1.
float Hash(int x, int y, int seed);
// Value noise that repeats every `periodX` cells across, so pictures tile horizontally.
float PeriodicNoise(float x, float y, int periodX, int seed);
// Four octaves of PeriodicNoise, 0..1.
float PeriodicFbm(float x, float y, int periodX, int seed);

// Blends `color` over the pixel with coverage `alpha` (0..1); opacity accumulates.
void BlendOver(glm::vec4& pixel, const glm::vec3& color, float alpha);

// 8-bit image with 3 (alpha dropped) or 4 channels.
tools::Image ToImage(const Canvas& canvas, int channels);

}  // namespace backgrounds
