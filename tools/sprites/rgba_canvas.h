// A premultiplied float RGBA picture that layers are composited onto, then written as 8-bit RGBA.
#pragma once

#include <vector>

#include <glm/glm.hpp>

#include "tools/common/image.h"

namespace sprites {

class RgbaCanvas {
 public:
  RgbaCanvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Composites `color` at opacity `alpha` over the pixel (outside the canvas: nothing).
  void Over(int x, int y, const glm::vec3& color, float alpha);
  float AlphaAt(int x, int y) const { return pixels_[Index(x, y) + 3]; }

  // Straight-alpha 8-bit RGBA. Fully transparent pixels take `matte` as their colour, so that
  // mipmapping blends edges towards the outline colour instead of towards black.
  tools::Image ToImage(const glm::vec3& matte) const;

 private:
  size_t Index(int x, int y) const { return (static_cast<size_t>(y) * width_ + x) * 4; }
  int width_;
  int height_;
  std::vector<float> pixels_;
};

}  // namespace sprites
