// Buildings for the skylines: a wrapped row layout and a painter with windows, steps and neon.
#pragma once

#include <vector>

#include "tools/backgrounds/paint.h"

namespace backgrounds {

enum class Roof { Flat, Stepped, Spire };

struct Building {
  float left;    // pixels; may run past the right edge, painting wraps around
  float width;
  float height;  // above the canvas bottom
  Roof roof;
  int seed;
};

struct BuildingLook {
  glm::vec3 bodyTop;
  glm::vec3 bodyBottom;
  float windowCellPixels;  // window pitch across; rows are 1.3 times taller
  float litShare;          // share of windows lit
  float neonShare;         // share of buildings with neon trims and signs
  float brightness;        // scales every light, for the far rows
};

// Buildings side by side across `width` (with small gaps), their heights between the bounds.
std::vector<Building> LayOutSkyline(int width, float minWidth, float maxWidth, float minHeight,
                                    float maxHeight, int seed);

void PaintBuilding(Canvas& canvas, const Building& building, const BuildingLook& look);

}  // namespace backgrounds
