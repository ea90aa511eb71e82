// Colour mixing and gradient lookup.
#include "tools/sprites/color.h"

#include <cstddef>

namespace sprites {

Rgb Mix(Rgb a, Rgb b, float t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Gradient::At(float t) const {
  if (stops.empty()) return Rgb{};
  if (t <= stops.front().at) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i) {
    const Stop& a = stops[i - 1];
    const Stop& b = stops[i];
    if (t < b.at) return b.at > a.at ? Mix(a.color, b.color, (t - a.at) / (b.at - a.at)) : b.color;
  }
  return stops.back().color;
}

}  // namespace sprites
