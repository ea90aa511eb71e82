// Colour ramps, the noise lattice, blending and canvas conversion for the background painters.
#include "tools/backgrounds/paint.h"

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

tools::NoiseLattice HorizontalTiling(int cellsAcross) { return {SumMixHash, cellsAcross, 0}; }

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
