// The show's colours and the text looks built from them (sunset chrome, neon, pastel).
#pragma once

#include "tools/sprites/color.h"
#include "tools/sprites/styled_text.h"

namespace sprites {

constexpr Rgb Ink = Hex(0x1a0833);  // outlines, and the colour behind every transparent pixel
constexpr Rgb DeepShadow = Hex(0x07010f);
constexpr Rgb NeonCyan = Hex(0x2de2e6);
constexpr Rgb NeonMagenta = Hex(0xff2bd6);
constexpr Rgb HotPink = Hex(0xff3f8e);
constexpr Rgb SunOrange = Hex(0xff9a3c);
constexpr Rgb SunYellow = Hex(0xffe45c);

// Cream to orange above a hard horizon, violet to pink below: the sunset chrome of the titles.
Gradient SunsetChrome();
// White core to cyan, for neon capitals.
Gradient IceNeon();
// Pale pink to magenta.
Gradient PinkNeon();
// Yellow through orange to pink.
Gradient Sunrise();

// A text look whose outline, glow and shadow are sized for text about `capHeightPx` tall.
TextStyle MakeStyle(Gradient fill, Rgb glow, float capHeightPx, float glowAlpha = 0.55f);

}  // namespace sprites
