// The timeline render: each section's draw list, and the sprite layout of this build.
#pragma once

#include <cstdint>

#include "config/screen.h"
#include "engine/engine.h"

// A design value for a 1920-wide screen in this build's pixels, truncated toward zero.
constexpr int ScaleDesign(int designValue) {
  return static_cast<int>(static_cast<float>(designValue) * SpriteScale);
}

// A sprite's place on screen.
struct SpriteDestination {
  int16_t x;
  int16_t y;
  uint16_t width;
  uint16_t height;
};

// A fixed sprite: its source in texture pixels and its design destination at 1920x1080.
struct FixedSprite {
  TextureRect source;
  SpriteDestination design;
};

constexpr SpriteDestination ScaleDestination(SpriteDestination design) {
  return {static_cast<int16_t>(ScaleDesign(design.x)), static_cast<int16_t>(ScaleDesign(design.y)),
          static_cast<uint16_t>(ScaleDesign(design.width)), static_cast<uint16_t>(ScaleDesign(design.height))};
}

constexpr FixedSprite TitleCard1{{0, 0, 1220, 300}, {350, 400, 1220, 300}};
constexpr FixedSprite TitleCard2{{0, 300, 1220, 130}, {350, 480, 1220, 130}};
constexpr FixedSprite TitleCard3{{0, 430, 1220, 200}, {350, 400, 1220, 200}};
constexpr FixedSprite LogoSprite{{0, 430, 1080, 432}, {420, 324, 1080, 432}};

// Credit lines: fixed place, size from the rectangle the timeline keeps.
constexpr int DesignCreditsX = 420;
constexpr int DesignCreditsTitleY = 425;
constexpr int DesignCreditsNameY = 510;

constexpr TextureRect ParrotSource{0, 0, 844, 1020};
constexpr int DesignParrotY = 60;

// Tiles are drawn only while above this line (screen pixels).
constexpr float TileVisibilityBound = static_cast<float>(ScreenHeight);

// A float screen position as a sprite coordinate: truncated toward zero, then cut to 16 bits.
int16_t SpriteCoordinate(float position);
// A source size in this build's pixels (truncated), cut to 16 bits.
uint16_t ScaledSize(uint16_t designSize);
// The parrot's x for its design position.
int16_t ParrotX(float designX);

// Draws the frame of the current timeline state into the window's framebuffer.
void RenderDemo();
