// The sunset beach: sky and sun, a sea streaked with the sun's reflection, lit sand and palms.
#include <cmath>

#include "tools/backgrounds/backgrounds.h"
#include "tools/backgrounds/palms.h"
#include "tools/backgrounds/vapor_sky.h"

namespace backgrounds {

namespace {

constexpr float HorizonShare = 0.45f;
constexpr float ShoreShare = 0.72f;
constexpr int WaveCellsAcross = 64;

void PaintSea(Canvas& canvas, int horizonY, int shoreY) {
  const float sunX = canvas.width * 0.5f;
  for (int y = horizonY; y < shoreY; ++y) {
    const float depth = float(y - horizonY) / float(shoreY - horizonY);
    const glm::vec3 water = Ramp({{0.0f, Hex(0x7a2a8c)}, {0.4f, Hex(0x3a1468)}, {1.0f, Hex(0x1a0a3c)}}, depth);
    // Waves get taller towards the viewer; the sun's column glitters on their crests.
    const float rowScale = 1.0f + depth * 6.0f;
    for (int x = 0; x < canvas.width; ++x) {
      const float u = float(x) / float(canvas.width) * WaveCellsAcross / rowScale;
      const tools::NoiseLattice waves = HorizontalTiling(int(WaveCellsAcross / rowScale) + 1);
      const float wave = tools::PeriodicNoise(waves, u, float(y) * 0.9f / rowScale, 3);
      const float column = std::exp(-std::pow((float(x) - sunX) / (canvas.width * (0.05f + 0.12f * depth)), 2.0f));
      const float glitter = glm::smoothstep(0.55f, 0.8f, wave) * column;
      glm::vec3 c = water * (0.8f + 0.4f * wave);
      c = glm::mix(c, glm::mix(Hex(0xffd27a), Hex(0xff4f9a), depth), glitter);
      c += Hex(0xff3d8a) * column * 0.15f * (1.0f - depth);
      canvas.At(x, y) = glm::vec4(c, 1.0f);
    }
  }
}

void PaintSand(Canvas& canvas, int shoreY) {
  for (int y = shoreY; y < canvas.height; ++y) {
    const float t = float(y - shoreY) / float(canvas.height - shoreY);
    const glm::vec3 sand = Ramp({{0.0f, Hex(0xf0a0a0)}, {0.08f, Hex(0xd97a8e)}, {1.0f, Hex(0x4a1c4e)}}, t);
    for (int x = 0; x < canvas.width; ++x) {
      const float grain = SumMixHash(x, y, 21) * 0.08f - 0.04f;
      const float surf = tools::PeriodicNoise(HorizontalTiling(canvas.width / 24), float(x) / 24.0f, 0.0f, 5);
      const float foam = glm::smoothstep(0.6f, 0.9f, surf) * std::exp(-t * 40.0f);
      const glm::vec3 c = glm::mix(sand + grain, glm::vec3(1.0f, 0.85f, 0.95f), foam * 0.7f);
      canvas.At(x, y) = glm::vec4(c, 1.0f);
    }
  }
}

}  // namespace

Canvas MakeBeach() {
  Canvas canvas(BackgroundWidth, BackgroundHeight);
  const int horizonY = int(BackgroundHeight * HorizonShare);
  const int shoreY = int(BackgroundHeight * ShoreShare);
  PaintSunsetSky(canvas, horizonY, 31);
  PaintStripedSun(canvas, BackgroundWidth * 0.5f, horizonY * 0.92f, horizonY * 0.45f, horizonY);
  PaintSea(canvas, horizonY, shoreY);
  PaintSand(canvas, shoreY);
  const glm::vec3 silhouette = Hex(0x14061e);
  PaintPalm(canvas, {{70.0f, 530.0f}, 430.0f, 90.0f, 26.0f, 9, 1}, silhouette);
  PaintPalm(canvas, {{190.0f, 540.0f}, 300.0f, 50.0f, 20.0f, 8, 2}, silhouette);
  PaintPalm(canvas, {{960.0f, 530.0f}, 400.0f, -110.0f, 24.0f, 9, 3}, silhouette);
  PaintPalm(canvas, {{860.0f, 540.0f}, 250.0f, -30.0f, 16.0f, 7, 4}, silhouette);
  return canvas;
}

}  // namespace backgrounds
