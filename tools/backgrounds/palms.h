// Palm-tree silhouettes stamped as soft discs along a bent trunk and drooping fronds.
#pragma once

#include "tools/backgrounds/paint.h"

namespace backgrounds {

struct Palm {
  glm::vec2 base;       // foot of the trunk, pixels
  float height;         // trunk length, pixels
  float lean;           // horizontal offset of the crown, pixels
  float trunkWidth;     // at the foot, pixels
  int fronds;
  int seed;
};

// Paints the palm in `color` over the canvas.
void PaintPalm(Canvas& canvas, const Palm& palm, const glm::vec3& color);

}  // namespace backgrounds
