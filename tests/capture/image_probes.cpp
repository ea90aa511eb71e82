// Pixel counting over areas of show pictures.
#include "image_probes.h"

#include <algorithm>
#include <cstdlib>

namespace show_capture {

namespace {

bool InRegion(const Region& region, int x, int y) {
  return x >= region.x && x < region.x + region.width && y >= region.y && y < region.y + region.height;
}

// Share of the area's pixels, by position, for which `test` holds.
double FractionOfPixels(int width, int height, const Area& area, const std::function<bool(int, int)>& test) {
  int64_t counted = 0;
  int64_t held = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (InRegion(area.region, x, y) == area.outside) continue;
      ++counted;
      if (test(x, y)) ++held;
    }
  }
  return counted == 0 ? 0.0 : static_cast<double>(held) / static_cast<double>(counted);
}

}  // namespace

Area WholePicture(const tools::Image& image) {
  return Inside({0, 0, image.width, image.height});
}

Region ClipToPicture(const Region& region, const tools::Image& image) {
  const int left = std::max(region.x, 0);
  const int top = std::max(region.y, 0);
  const int right = std::min(region.x + region.width, image.width);
  const int bottom = std::min(region.y + region.height, image.height);
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

bool Differ(tools::Rgb a, tools::Rgb b, int tolerance) {
  return std::abs(a.r - b.r) > tolerance || std::abs(a.g - b.g) > tolerance || std::abs(a.b - b.b) > tolerance;
}

double FractionWhere(const tools::Image& image, const Area& area, const std::function<bool(tools::Rgb)>& test) {
  return FractionOfPixels(image.width, image.height, area, [&](int x, int y) { return test(image.At(x, y)); });
}

double FractionChanged(const tools::Image& a, const tools::Image& b, const Area& area, int tolerance) {
  return FractionOfPixels(a.width, a.height, area,
                          [&](int x, int y) { return Differ(a.At(x, y), b.At(x, y), tolerance); });
}

double FractionNear(const tools::Image& image, const Area& area, tools::Rgb colour, int tolerance) {
  return FractionWhere(image, area, [&](tools::Rgb pixel) { return !Differ(pixel, colour, tolerance); });
}

}  // namespace show_capture
