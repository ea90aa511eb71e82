// Compositing with the "over" operator and the conversion to straight 8-bit RGBA.
#include "tools/sprites/rgba_canvas.h"

#include <algorithm>

#include "tools/common/colour.h"

namespace sprites {

RgbaCanvas::RgbaCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 4, 0.0f) {}

void RgbaCanvas::Over(int x, int y, const glm::vec3& color, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0f) return;
  alpha = std::min(alpha, 1.0f);
  float* p = &pixels_[Index(x, y)];
  const float keep = 1.0f - alpha;
  p[0] = color.r * alpha + p[0] * keep;
  p[1] = color.g * alpha + p[1] * keep;
  p[2] = color.b * alpha + p[2] * keep;
  p[3] = alpha + p[3] * keep;
}

tools::Image RgbaCanvas::ToImage(const glm::vec3& matte) const {
  tools::Image image(width_, height_, 4);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float* p = &pixels_[Index(x, y)];
      uint8_t* out = image.Pixel(x, y);
      out[3] = tools::ToByte(p[3]);
      const glm::vec3 straight = out[3] == 0 ? matte : glm::vec3(p[0] / p[3], p[1] / p[3], p[2] / p[3]);
      out[0] = tools::ToByte(straight.r);
      out[1] = tools::ToByte(straight.g);
      out[2] = tools::ToByte(straight.b);
    }
  }
  return image;
}

}  // namespace sprites
