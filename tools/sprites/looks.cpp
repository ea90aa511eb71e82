// Gradient stops and decoration sizes of the show's text looks.
#include "tools/sprites/looks.h"

#include <algorithm>

namespace sprites {

Gradient SunsetChrome() {
  return Gradient{{{0.0f, tools::Hex(0xfffbe8)},
                   {0.30f, tools::Hex(0xffe27a)},
                   {0.54f, tools::Hex(0xff8a2a)},
                   {0.54f, tools::Hex(0x5a1a8c)},
                   {0.62f, tools::Hex(0x8c1fa8)},
                   {1.0f, tools::Hex(0xff7ad0)}}};
}

Gradient IceNeon() {
  return Gradient{{{0.0f, tools::Hex(0xffffff)}, {0.45f, tools::Hex(0xc8fbff)}, {1.0f, tools::Hex(0x2dc8e6)}}};
}

Gradient PinkNeon() {
  return Gradient{{{0.0f, tools::Hex(0xffeefa)}, {0.45f, tools::Hex(0xff8ad8)}, {1.0f, tools::Hex(0xe020b8)}}};
}

Gradient Sunrise() {
  return Gradient{{{0.0f, tools::Hex(0xfff4a0)}, {0.45f, tools::Hex(0xffa844)}, {1.0f, tools::Hex(0xff3f8e)}}};
}

TextStyle MakeStyle(Gradient fill, const glm::vec3& glow, float capHeightPx, float glowAlpha) {
  TextStyle style;
  style.fill = std::move(fill);
  style.outline = Ink;
  // Never thinner than 4 px: the smallest build shows sprites at 0.44 of their size.
  style.outlineWidthPx = std::max(4.0f, capHeightPx * 0.07f);
  style.glow = glow;
  style.glowRadiusPx = std::max(5.0f, capHeightPx * 0.12f);
  style.glowAlpha = glowAlpha;
  style.shadow = DeepShadow;
  style.shadowOffsetPx = std::max(3.0f, capHeightPx * 0.06f);
  style.shadowAlpha = 0.75f;
  return style;
}

}  // namespace sprites
