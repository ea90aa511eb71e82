// Colour ramps, noise and canvas conversion for the background painters.
#include "tools/backgrounds/paint.h"

#include <cmath>

namespace backgrounds {

glm::vec3 Ramp(const std::vector<RampStop>& stops, float t) {
  if (t <= stops.front().at) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      const float span = stops[i].at - stops[i - 1].at;
      const float local = glm::smoothstep(0.0f, 1.0f, (t - stops[i - 1].at) / span);
      return glm::mix(stops[i - 1].color, stops[i].color, local);
    }
  }
  return stops.back().color;
}

float Hash(int x, int y, int seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xFFFFFFu) / float(0xFFFFFF);
}

float PeriodicNoise(float x, float y, int periodX, int seed) {
  const int x0 = int(std::floor(x));
  const int y0 = int(std::floor(y));
  const float fx = glm::smoothstep(0.0f, 1.0f, x - float(x0));
  const float fy = glm::smoothstep(0.0f, 1.0f, y - float(y0));
  auto cell = [&](int cx, int cy) { return Hash(((cx % periodX) + periodX) % periodX, cy, seed); };
  const float top = glm::mix(cell(x0, y0), cell(x0 + 1, y0), fx);
  const float bottom = glm::mix(cell(x0, y0 + 1), cell(x0 + 1, y0 + 1), fx);
  return glm::mix(top, bottom, fy);
}

float PeriodicFbm(float x, float y, int periodX, int seed) {
  float sum = 0.0f, weight = 0.5f, total = 0.0f;
  for (int octave = 0; octave < 4; ++octave) {
    sum += weight * PeriodicNoise(x, y, periodX, seed + octave);
    total += weight;
    x *= 2.0f;
    y *= 2.0f;
    periodX *= 2;
    weight *= 0.5f;
  }
  return sum / total;
}

void BlendOver(glm::vec4& pixel, const glm::vec3& color, float alpha) {
  alpha = glm::clamp(alpha, 0.0f, 1.0f);
  const glm::vec3 blended = glm::mix(glm::vec3(pixel), color, alpha);
  pixel = glm::vec4(blended, pixel.a + alpha * (1.0f - pixel.a));
}

tools::Image ToImage(const Canvas& canvas, int channels) {
  tools::Image image(canvas.width, canvas.height, channels);
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      const glm::vec4& c = canvas.At(x, y);
      uint8_t* out = image.Pixel(x, y);
      for (int k = 0; k < channels; ++k) out[k] = tools::ToByte(c[k]);
    }
  }
  return image;
}

}  // namespace backgrounds
