// Loose measures of show pictures: how much of an area changed, or has a colour.
#pragma once

#include <functional>

#include "tools/common/image.h"

namespace show_capture {

// A rectangle of screen pixels, top-left corner first.
struct Region {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The pixels of a picture inside a region, or all of them outside it.
struct Area {
  Region region;
  bool outside = false;
};

inline Area Inside(const Region& region) {
  return {region, false};
}
inline Area Outside(const Region& region) {
  return {region, true};
}
Area WholePicture(const tools::Image& image);

// The part of `region` inside the picture.
Region ClipToPicture(const Region& region, const tools::Image& image);

// Whether two colours differ by more than `tolerance` in some channel.
bool Differ(tools::Rgb a, tools::Rgb b, int tolerance);

// Share of the area's pixels (within the picture) for which `test` holds; 0 for an empty area.
double FractionWhere(const tools::Image& image, const Area& area, const std::function<bool(tools::Rgb)>& test);

// Share of the area's pixels that differ between two pictures of one size.
double FractionChanged(const tools::Image& a, const tools::Image& b, const Area& area, int tolerance);

// Share of the area's pixels within `tolerance` of `colour` in every channel.
double FractionNear(const tools::Image& image, const Area& area, tools::Rgb colour, int tolerance);

}  // namespace show_capture
