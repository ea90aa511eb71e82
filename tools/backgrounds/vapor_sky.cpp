// The sunset sky: a purple-to-orange ramp, stars high up, lit cloud streaks and the striped sun.
#include "tools/backgrounds/vapor_sky.h"

#include <cmath>

#include "tools/backgrounds/backgrounds.h"

namespace backgrounds {

namespace {

constexpr int CloudCellsAcross = 8;
constexpr int CloudOctaves = 4;
constexpr float StarDensity = 0.004f;

void PaintStars(Canvas& canvas, int horizonY, int seed) {
  for (int y = 0; y < horizonY; ++y) {
    const float height = float(y) / float(horizonY);
    for (int x = 0; x < canvas.width; ++x) {
      const float h = SumMixHash(x, y, seed);
      if (h > StarDensity) continue;
      const float twinkle = 0.5f + 0.5f * SumMixHash(x, y, seed + 1);
      const float fade = 1.0f - glm::smoothstep(0.2f, 0.65f, height);
      glm::vec4& p = canvas.At(x, y);
      p = glm::vec4(glm::vec3(p) + glm::vec3(0.9f, 0.85f, 1.0f) * twinkle * fade, 1.0f);
    }
  }
}

// Long thin streaks lit pink from below by the sun, darker on their upper side.
void PaintClouds(Canvas& canvas, int horizonY, int seed) {
  const tools::NoiseLattice clouds = HorizontalTiling(CloudCellsAcross);
  for (int y = 0; y < horizonY; ++y) {
    const float height = float(y) / float(horizonY);
    const float band = glm::smoothstep(0.35f, 0.55f, height) * (1.0f - glm::smoothstep(0.8f, 0.95f, height));
    if (band <= 0.0f) continue;
    for (int x = 0; x < canvas.width; ++x) {
      const float u = float(x) / float(canvas.width) * CloudCellsAcross;
      const float streak = tools::PeriodicFbm(clouds, u, height * 28.0f, CloudOctaves, seed);
      const float below = tools::PeriodicFbm(clouds, u, height * 28.0f + 0.25f, CloudOctaves, seed);
      const float density = glm::smoothstep(0.5f, 0.72f, streak) * band;
      const float lit = glm::clamp((streak - below) * 6.0f + 0.5f, 0.0f, 1.0f);
      const glm::vec3 shade = glm::mix(Hex(0x3a1060), Hex(0xff8fb8), lit * height);
      BlendOver(canvas.At(x, y), shade, density * 0.85f);
    }
  }
}

}  // namespace

glm::vec3 SunsetGradient(float height) {
  static const std::vector<RampStop> stops = {
      {0.0f, Hex(0x090425)}, {0.3f, Hex(0x24094f)}, {0.55f, Hex(0x6a1580)},
      {0.75f, Hex(0xd42f86)}, {0.9f, Hex(0xff6a6a)}, {1.0f, Hex(0xffb36b)},
  };
  return Ramp(stops, height);
}

void PaintSunsetSky(Canvas& canvas, int horizonY, int seed) {
  for (int y = 0; y < horizonY; ++y) {
    const glm::vec3 color = SunsetGradient(float(y) / float(horizonY));
    for (int x = 0; x < canvas.width; ++x) canvas.At(x, y) = glm::vec4(color, 1.0f);
  }
  PaintStars(canvas, horizonY, seed);
  PaintClouds(canvas, horizonY, seed + 7);
}

void PaintStripedSun(Canvas& canvas, float cx, float cy, float radius, int horizonY) {
  for (int y = 0; y < horizonY; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
      const float distance = std::sqrt(dx * dx + dy * dy);
      glm::vec4& p = canvas.At(x, y);
      const float glow = std::exp(-std::max(distance - radius, 0.0f) / (radius * 0.45f));
      p = glm::vec4(glm::vec3(p) + Hex(0xff3d8a) * glow * 0.35f, 1.0f);
      // Below the centre the disc is cut by gaps that widen towards the horizon.
      const float below = (float(y) - cy) / radius;
      float gap = 0.0f;
      if (below > -0.1f) {
        const float phase = std::fmod((below + 0.1f) * 7.0f, 1.0f);
        gap = glm::smoothstep(0.9f - 0.55f * (below + 0.1f), 0.95f - 0.55f * (below + 0.1f), phase);
      }
      const float coverage = glm::clamp(radius - distance + 0.5f, 0.0f, 1.0f) * (1.0f - gap);
      const float t = glm::clamp((float(y) - (cy - radius)) / (2.0f * radius), 0.0f, 1.0f);
      const glm::vec3 sun = Ramp({{0.0f, Hex(0xfff27a)}, {0.45f, Hex(0xffa84a)}, {1.0f, Hex(0xff2d95)}}, t);
      BlendOver(p, sun, coverage);
    }
  }
}

Canvas MakeVaporSky() {
  Canvas canvas(BackgroundWidth, BackgroundHeight);
  PaintSunsetSky(canvas, BackgroundHeight, 11);
  PaintStripedSun(canvas, BackgroundWidth * 0.5f, BackgroundHeight * 0.86f, BackgroundHeight * 0.32f,
                  BackgroundHeight);
  return canvas;
}

}  // namespace backgrounds
