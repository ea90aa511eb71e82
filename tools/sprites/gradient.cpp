// Gradient lookup.
#include "tools/sprites/gradient.h"

#include <cstddef>

namespace sprites {

namespace {

// a + (b - a) t rather than glm::mix's a (1 - t) + b t: the sheets were made with this rounding.
glm::vec3 Mix(const glm::vec3& a, const glm::vec3& b, float t) { return a + (b - a) * t; }

}  // namespace

glm::vec3 Gradient::At(float t) const {
  if (stops.empty()) return glm::vec3(0.0f);
  if (t <= stops.front().at) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i) {
    const Stop& a = stops[i - 1];
    const Stop& b = stops[i];
    if (t < b.at) return b.at > a.at ? Mix(a.color, b.color, (t - a.at) / (b.at - a.at)) : b.color;
  }
  return stops.back().color;
}

}  // namespace sprites
