// Art in a fixed palette: shapes painted as palette indices at 4x, resolved to exactly those
// colours with anti-aliased alpha at the edges.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "tools/common/image.h"
#include "tools/sprites/mask.h"
#include "tools/sprites/shapes.h"

namespace sprites {

constexpr uint8_t Clear = 0;     // no paint: transparent
constexpr uint8_t AnyPaint = 255;  // a "paint only over" value that matches everything

class PaletteCanvas {
 public:
  static constexpr int Supersample = 4;

  PaletteCanvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  int sampleWidth() const { return width_ * Supersample; }
  int sampleHeight() const { return height_ * Supersample; }

  // Paints `index` inside the polygon (non-zero winding), only over samples holding `onlyOver`.
  void FillPolygon(const std::vector<Point>& polygon, uint8_t index, uint8_t onlyOver = AnyPaint);
  // Paint a band `radius` pixels either side of an open path / the rim of a polygon, with round
  // ends and joins.
  void StrokeLine(const std::vector<Point>& path, float radius, uint8_t index, uint8_t onlyOver = AnyPaint);
  void StrokeLoop(const std::vector<Point>& polygon, float radius, uint8_t index, uint8_t onlyOver = AnyPaint);
  // A shape with a dark rim: the rim (`outlineRadius` wide, outside the shape) then the fill.
  void FillOutlined(const std::vector<Point>& polygon, uint8_t fill, uint8_t outline, float outlineRadius);
  // Paints every sample whose distance (in samples) to the covered part of a sample-sized
  // `coverage` grid is at most `radiusPx` pixels, shifted by (dx, dy) pixels.
  void FillNear(const std::vector<float>& distance, float radiusPx, uint8_t index, float dxPx = 0, float dyPx = 0);

  // Colours are palette[index - 1]. Transparent pixels carry palette[matteIndex - 1] as colour.
  tools::Image Resolve(const std::vector<glm::vec3>& palette, uint8_t matteIndex) const;

 private:
  uint8_t& Sample(int x, int y) { return samples_[static_cast<size_t>(y) * sampleWidth() + x]; }
  void Paint(int x, int y, uint8_t index, uint8_t onlyOver);
  void StrokeSegment(Point a, Point b, float radiusSs, uint8_t index, uint8_t onlyOver);
  void StrokeSegments(const std::vector<Point>& path, size_t segments, float radius, uint8_t index, uint8_t onlyOver);

  int width_;
  int height_;
  std::vector<uint8_t> samples_;
};

}  // namespace sprites
