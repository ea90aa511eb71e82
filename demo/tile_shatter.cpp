// The tile grid over the screen grab and its fall.
#include "demo/tile_shatter.h"

#include <cstdlib>

#include "demo/beat_pulse.h"
#include "resources/resource_manager.h"

namespace {

// A velocity component from one rand() draw: -2.5 to 4.9 pixels per frame in steps of 0.1.
float RandomTileSpeed() {
  return static_cast<float>(std::rand() % 75 - 25) / 10.0f;
}

}  // namespace

void TileShatter::SetUp(int32_t textureId) {
  const Texture* texture = gResourceManager->TextureById(textureId);
  if (texture == nullptr) {
    return;
  }
  LayOut(textureId, texture->width, texture->height);
}

void TileShatter::LayOut(int32_t textureId, int32_t textureWidth, int32_t textureHeight) {
  // A texture without pixels has no cells; its width would also be the modulus below.
  if (textureWidth <= 0 || textureHeight <= 0) {
    return;
  }
  renderTexture = textureId;
  const int32_t cellWidth = textureWidth / TileColumns;
  const int32_t cellHeight = textureHeight / TileRows;
  for (int i = 0; i < TileCount; ++i) {
    const int row = i / TileColumns;
    sourceRects[i] = TextureRect{(cellWidth * i) % textureWidth, row * cellHeight,
                                 static_cast<uint16_t>(cellWidth), static_cast<uint16_t>(cellHeight)};
    // Where 16 tiles do not fill the width, the x modulus shifts each row left and wraps its first
    // tile to the right edge; the source cell follows the same rule, so each tile covers its piece.
    positions[i] = glm::vec3(static_cast<float>((TileSizePx * i) % ScreenWidth),
                             static_cast<float>(row * TileSizePx), 0.0f);
    const float vx = RandomTileSpeed();
    const float vy = RandomTileSpeed();
    velocities[i] = glm::vec3(vx, vy, 0.0f);
  }
}

void TileShatter::Fall(int32_t t) {
  const int32_t sinceGrabMs = ElapsedMs(startMs, t);
  if (sinceGrabMs <= 0) {
    return;
  }
  const float seconds = static_cast<float>(sinceGrabMs) / 1000.0f;
  const float gravity = seconds * seconds * 0.5f;
  for (int i = 0; i < TileCount; ++i) {
    glm::vec3& position = positions[i];
    if (position.y >= static_cast<float>(ScreenHeight)) {
      continue;
    }
    glm::vec3& velocity = velocities[i];
    velocity.y += gravity;
    position.y += velocity.y;
    position.x += velocity.x;
    position.z += velocity.z;
  }
}
