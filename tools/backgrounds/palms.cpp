// Palm silhouettes: discs stamped along a curved trunk and along each frond's drooping arc.
#include "tools/backgrounds/palms.h"

#include <algorithm>
#include <cmath>

namespace backgrounds {

namespace {

constexpr float StampStepPixels = 0.6f;
constexpr float TwoPi = 6.2831853f;

// Coverage is kept separately so overlapping stamps do not darken the silhouette's edge.
struct Coverage {
  int width, height;
  std::vector<float> values;
};

void StampDisc(Coverage& mask, glm::vec2 centre, float radius) {
  const int x0 = int(std::floor(centre.x - radius - 1)), x1 = int(std::ceil(centre.x + radius + 1));
  const int y0 = std::max(0, int(std::floor(centre.y - radius - 1)));
  const int y1 = std::min(mask.height - 1, int(std::ceil(centre.y + radius + 1)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float d = glm::length(glm::vec2(float(x) + 0.5f, float(y) + 0.5f) - centre);
      const float c = glm::clamp(radius - d + 0.5f, 0.0f, 1.0f);
      const int wrapped = ((x % mask.width) + mask.width) % mask.width;
      float& v = mask.values[size_t(y) * mask.width + wrapped];
      v = std::max(v, c);
    }
  }
}

glm::vec2 TrunkPoint(const Palm& palm, float t) {
  const float bend = palm.lean * t * t;
  return palm.base + glm::vec2(bend, -palm.height * t);
}

void StampTrunk(Coverage& mask, const Palm& palm) {
  const int steps = int(palm.height / StampStepPixels);
  for (int i = 0; i <= steps; ++i) {
    const float t = float(i) / float(steps);
    // Ring bumps give the trunk its segmented bark.
    const float rings = 1.0f + 0.12f * std::fabs(std::sin(t * palm.height * 0.25f));
    StampDisc(mask, TrunkPoint(palm, t), palm.trunkWidth * 0.5f * (1.0f - 0.45f * t) * rings);
  }
}

// One frond: an arc leaving the crown upwards and drooping under its weight, widest in the middle,
// with leaflets along it.
void StampFrond(Coverage& mask, glm::vec2 crown, float angle, float length, float width) {
  glm::vec2 direction(std::cos(angle), -std::sin(angle));
  glm::vec2 point = crown;
  const int steps = int(length / StampStepPixels);
  for (int i = 0; i <= steps; ++i) {
    const float t = float(i) / float(steps);
    point += direction * StampStepPixels;
    direction = glm::normalize(direction + glm::vec2(0.0f, 0.0035f * length / 100.0f));
    StampDisc(mask, point, width * std::sin(3.1415926f * std::min(1.0f, t + 0.08f)) * 0.5f + 0.6f);
    if (i % int(6.0f / StampStepPixels) == 0 && t > 0.1f) {
      const glm::vec2 across(-direction.y, direction.x);
      for (float side : {-1.0f, 1.0f}) {
        const glm::vec2 tip = point + (across * side * 0.8f + direction * 0.6f) * width * 2.2f * (1.0f - t * 0.6f);
        for (float s = 0.0f; s <= 1.0f; s += 0.08f) StampDisc(mask, glm::mix(point, tip, s), 0.9f);
      }
    }
  }
}

}  // namespace

void PaintPalm(Canvas& canvas, const Palm& palm, const glm::vec3& color) {
  Coverage mask{canvas.width, canvas.height, std::vector<float>(size_t(canvas.width) * canvas.height, 0.0f)};
  StampTrunk(mask, palm);
  const glm::vec2 crown = TrunkPoint(palm, 1.0f);
  for (int f = 0; f < palm.fronds; ++f) {
    const float spread = (float(f) + 0.5f) / float(palm.fronds);
    const float angle = 0.15f * TwoPi * (SumMixHash(f, 1, palm.seed) - 0.5f) + spread * 3.1415926f;
    const float length = palm.height * (0.42f + 0.2f * SumMixHash(f, 2, palm.seed));
    StampFrond(mask, crown, angle, length, palm.trunkWidth * 0.55f);
  }
  StampDisc(mask, crown, palm.trunkWidth * 0.7f);
  for (size_t i = 0; i < mask.values.size(); ++i) {
    if (mask.values[i] > 0.0f) BlendOver(canvas.pixels[i], color, mask.values[i]);
  }
}

}  // namespace backgrounds
