// The screen grab cut into a 16 x 9 grid of tiles that fall off the screen.
#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "config/screen.h"
#include "engine/engine.h"

constexpr int TileColumns = 16;
constexpr int TileRows = 9;
constexpr int TileCount = TileColumns * TileRows;
constexpr int DesignTileSizePx = 120;
constexpr int TileSizePx = static_cast<int>(DesignTileSizePx * SpriteScale);

struct TileShatter {
  // Lays the grid over the texture `textureId` (the screen grab): source cells, screen positions
  // and random velocities (two rand() draws per tile). Nothing is laid out for an id that names no
  // texture, and renderTexture stays -1.
  void SetUp(int32_t textureId);
  // The same for a texture whose size is known; GL-free.
  void LayOut(int32_t textureId, int32_t textureWidth, int32_t textureHeight);
  // One frame of the fall at demo time t: gravity grows with the square of the time since the grab.
  void Fall(int32_t t);

  TextureRect sourceRects[TileCount] = {};
  glm::vec3 positions[TileCount] = {};
  glm::vec3 velocities[TileCount] = {};
  int32_t renderTexture = -1;
  int32_t startMs = 0;
};
