// Scanline polygon fill, capsule strokes and the majority-colour resolve of the palette canvas.
#include "tools/sprites/palette_canvas.h"

#include <algorithm>
#include <cmath>

#include "tools/common/colour.h"

namespace sprites {

PaletteCanvas::PaletteCanvas(int width, int height)
    : width_(width), height_(height), samples_(static_cast<size_t>(width) * height * Supersample * Supersample, Clear) {}

void PaletteCanvas::Paint(int x, int y, uint8_t index, uint8_t onlyOver) {
  if (x < 0 || y < 0 || x >= sampleWidth() || y >= sampleHeight()) return;
  uint8_t& s = Sample(x, y);
  if (onlyOver == AnyPaint || s == onlyOver) s = index;
}

void PaletteCanvas::FillPolygon(const std::vector<Point>& polygon, uint8_t index, uint8_t onlyOver) {
  const size_t n = polygon.size();
  if (n < 3) return;
  struct Crossing {
    float x;
    int winding;
  };
  std::vector<Crossing> crossings;
  for (int sy = 0; sy < sampleHeight(); ++sy) {
    const float y = (sy + 0.5f) / Supersample;
    crossings.clear();
    for (size_t i = 0; i < n; ++i) {
      const Point& a = polygon[i];
      const Point& b = polygon[(i + 1) % n];
      if ((a.y <= y) == (b.y <= y)) continue;
      const float x = a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x);
      crossings.push_back({x * Supersample, b.y > a.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].winding;
      if (winding == 0) continue;
      const int from = static_cast<int>(std::ceil(crossings[i].x - 0.5f));
      const int to = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5f));
      for (int sx = std::max(from, 0); sx < std::min(to, sampleWidth()); ++sx) Paint(sx, sy, index, onlyOver);
    }
  }
}

void PaletteCanvas::StrokeSegment(Point a, Point b, float radiusSs, uint8_t index, uint8_t onlyOver) {
  a = Point{a.x * Supersample, a.y * Supersample};
  b = Point{b.x * Supersample, b.y * Supersample};
  const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - radiusSs));
  const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + radiusSs));
  const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - radiusSs));
  const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + radiusSs));
  const float dx = b.x - a.x, dy = b.y - a.y, lengthSq = dx * dx + dy * dy;
  for (int sy = std::max(y0, 0); sy <= std::min(y1, sampleHeight() - 1); ++sy) {
    for (int sx = std::max(x0, 0); sx <= std::min(x1, sampleWidth() - 1); ++sx) {
      const float px = sx + 0.5f - a.x, py = sy + 0.5f - a.y;
      const float t = lengthSq > 0 ? std::clamp((px * dx + py * dy) / lengthSq, 0.0f, 1.0f) : 0.0f;
      const float ex = px - t * dx, ey = py - t * dy;
      if (ex * ex + ey * ey <= radiusSs * radiusSs) Paint(sx, sy, index, onlyOver);
    }
  }
}

void PaletteCanvas::StrokeSegments(const std::vector<Point>& path, size_t segments, float radius, uint8_t index,
                                   uint8_t onlyOver) {
  for (size_t i = 0; i < segments; ++i)
    StrokeSegment(path[i], path[(i + 1) % path.size()], radius * Supersample, index, onlyOver);
}

void PaletteCanvas::StrokeLine(const std::vector<Point>& path, float radius, uint8_t index, uint8_t onlyOver) {
  if (!path.empty()) StrokeSegments(path, path.size() - 1, radius, index, onlyOver);
}

void PaletteCanvas::StrokeLoop(const std::vector<Point>& polygon, float radius, uint8_t index, uint8_t onlyOver) {
  StrokeSegments(polygon, polygon.size(), radius, index, onlyOver);
}

void PaletteCanvas::FillOutlined(const std::vector<Point>& polygon, uint8_t fill, uint8_t outline,
                                 float outlineRadius) {
  StrokeLoop(polygon, outlineRadius, outline);
  FillPolygon(polygon, fill);
}

void PaletteCanvas::FillNear(const std::vector<float>& distance, float radiusPx, uint8_t index, float dxPx,
                             float dyPx) {
  const int dx = static_cast<int>(std::lround(dxPx * Supersample));
  const int dy = static_cast<int>(std::lround(dyPx * Supersample));
  const float radius = radiusPx * Supersample;
  for (int sy = 0; sy < sampleHeight(); ++sy) {
    const int from = sy - dy;
    if (from < 0 || from >= sampleHeight()) continue;
    for (int sx = 0; sx < sampleWidth(); ++sx) {
      const int fromX = sx - dx;
      if (fromX < 0 || fromX >= sampleWidth()) continue;
      if (distance[static_cast<size_t>(from) * sampleWidth() + fromX] <= radius) Sample(sx, sy) = index;
    }
  }
}

tools::Image PaletteCanvas::Resolve(const std::vector<glm::vec3>& palette, uint8_t matteIndex) const {
  tools::Image image(width_, height_, 4);
  std::vector<int> counts(palette.size() + 1);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      std::fill(counts.begin(), counts.end(), 0);
      for (int sy = 0; sy < Supersample; ++sy)
        for (int sx = 0; sx < Supersample; ++sx)
          ++counts[samples_[static_cast<size_t>(y * Supersample + sy) * sampleWidth() + x * Supersample + sx]];
      size_t best = matteIndex;
      for (size_t i = 1; i < counts.size(); ++i)
        if (counts[i] > counts[best] || (counts[best] == 0 && counts[i] > 0)) best = i;
      const glm::vec3& c = palette[best - 1];
      uint8_t* out = image.Pixel(x, y);
      out[0] = tools::ToByte(c.r);
      out[1] = tools::ToByte(c.g);
      out[2] = tools::ToByte(c.b);
      out[3] = static_cast<uint8_t>((255 * (Supersample * Supersample - counts[0]) + 8) / (Supersample * Supersample));
    }
  }
  return image;
}

}  // namespace sprites
