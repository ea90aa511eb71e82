// The show's colours and the text looks built from them (sunset chrome, neon, pastel).
#pragma once

#include <glm/glm.hpp>

#include "tools/common/colour.h"
#include "tools/sprites/gradient.h"
#include "tools/sprites/styled_text.h"

namespace sprites {

constexpr glm::vec3 Ink = tools::Hex(0x1a0833);  // outlines, and the colour behind every transparent pixel
constexpr glm::vec3 DeepShadow = tools::Hex(0x07010f);
constexpr glm::vec3 NeonCyan = tools::Hex(0x2de2e6);
constexpr glm::vec3 NeonMagenta = tools::Hex(0xff2bd6);
constexpr glm::vec3 HotPink = tools::Hex(0xff3f8e);
constexpr glm::vec3 SunOrange = tools::Hex(0xff9a3c);
constexpr glm::vec3 SunYellow = tools::Hex(0xffe45c);

// Cream to orange above a hard horizon, violet to pink below: the sunset chrome of the titles.
Gradient SunsetChrome();
// White core to cyan, for neon capitals.
Gradient IceNeon();
// Pale pink to magenta.
Gradient PinkNeon();
// Yellow through orange to pink.
Gradient Sunrise();

// A text look whose outline, glow and shadow are sized for text about `capHeightPx` tall.
TextStyle MakeStyle(Gradient fill, const glm::vec3& glow, float capHeightPx, float glowAlpha = 0.55f);

}  // namespace sprites
