// Compositing with the "over" operator and the conversion to straight 8-bit RGBA.
#include "tools/sprites/rgba_canvas.h"

#include <algorithm>
#include <cmath>

namespace sprites {
namespace {

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

RgbaCanvas::RgbaCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 4, 0.0f) {}

void RgbaCanvas::Over(int x, int y, Rgb color, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0f) return;
  alpha = std::min(alpha, 1.0f);
  float* p = &pixels_[Index(x, y)];
  const float keep = 1.0f - alpha;
  p[0] = color.r * alpha + p[0] * keep;
  p[1] = color.g * alpha + p[1] * keep;
  p[2] = color.b * alpha + p[2] * keep;
  p[3] = alpha + p[3] * keep;
}

tools::Image RgbaCanvas::ToImage(Rgb matte) const {
  tools::Image image(width_, height_, 4);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float* p = &pixels_[Index(x, y)];
      uint8_t* out = image.Pixel(x, y);
      out[3] = ToByte(p[3]);
      const Rgb straight = out[3] == 0 ? matte : Rgb{p[0] / p[3], p[1] / p[3], p[2] / p[3]};
      out[0] = ToByte(straight.r);
      out[1] = ToByte(straight.g);
      out[2] = ToByte(straight.b);
    }
  }
  return image;
}

}  // namespace sprites
