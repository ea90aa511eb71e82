// One line of display text with depth: drop shadow, glow, dark outline and a gradient fill.
#pragma once

#include <string>

#include <glm/glm.hpp>

#include "tools/sprites/font.h"
#include "tools/sprites/gradient.h"
#include "tools/sprites/rgba_canvas.h"

namespace sprites {

struct TextStyle {
  Gradient fill;  // from the top of the capitals (0) to the baseline (1)
  glm::vec3 outline = glm::vec3(0.0f);
  float outlineWidthPx = 0;
  glm::vec3 glow = glm::vec3(0.0f);
  float glowRadiusPx = 0;  // beyond the outline
  float glowAlpha = 0;
  glm::vec3 shadow = glm::vec3(0.0f);
  float shadowOffsetPx = 0;  // down and to the right
  float shadowAlpha = 0;
  float trackingEm = 0;  // extra space between glyphs, in pixel heights
};

enum class Align { Left, Centre };

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

// Sets `text` as large as fits in `box` with all its decoration, no larger than `maxPixelHeight`
// (0: no limit). Nothing is drawn outside the box. Returns the pixel height used.
float DrawStyledText(RgbaCanvas& canvas, const Font& font, const std::string& text, const Box& box,
                     const TextStyle& style, Align align, float maxPixelHeight);

}  // namespace sprites
