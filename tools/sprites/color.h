// RGB colours in 0..1 and vertical gradients between them.
#pragma once

#include <cstdint>
#include <vector>

namespace sprites {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

// From 0xRRGGBB.
constexpr Rgb Hex(uint32_t rgb) {
  return Rgb{float((rgb >> 16) & 0xFF) / 255.0f, float((rgb >> 8) & 0xFF) / 255.0f, float(rgb & 0xFF) / 255.0f};
}

Rgb Mix(Rgb a, Rgb b, float t);

// Colour stops by position 0..1; two stops at one position make a hard edge (the chrome horizon).
struct Gradient {
  struct Stop {
    float at;
    Rgb color;
  };
  std::vector<Stop> stops;
  Rgb At(float t) const;
};

}  // namespace sprites
