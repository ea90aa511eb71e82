// Terrain grid and heightmap.
#include "tools/scenery/terrain.h"

#include <algorithm>
#include <cmath>

#include "tools/common/colour.h"
#include "tools/common/periodic_noise.h"

namespace scenery {

namespace {

glm::vec3 GridPoint(int i, int j) {
  const float step = TerrainTileUnits / TerrainCellsPerSide;
  return {-TerrainTileUnits / 2 + i * step, 0.0f, -TerrainTileUnits / 2 + j * step};
}

glm::vec2 GridUv(int i, int j) {
  return {static_cast<float>(i) / TerrainCellsPerSide, static_cast<float>(j) / TerrainCellsPerSide};
}

// Noise over the unit square that repeats at all four edges, `period` cells across at the first octave.
float TileNoise(float u, float v, int period, int octaves, uint32_t seed) {
  const tools::NoiseLattice lattice{tools::XorMixHash, period, period};
  return tools::PeriodicFbm(lattice, u * period, v * period, octaves, seed);
}

float SmoothStep(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

}  // namespace

TriangleList TerrainTile() {
  TriangleList tile;
  for (int j = 0; j < TerrainCellsPerSide; ++j) {
    for (int i = 0; i < TerrainCellsPerSide; ++i) {
      // Counter-clockwise seen from above: culling keeps the side the camera looks at.
      tile.push_back({{GridPoint(i, j), GridPoint(i, j + 1), GridPoint(i + 1, j)},
                      {GridUv(i, j), GridUv(i, j + 1), GridUv(i + 1, j)}});
      tile.push_back({{GridPoint(i + 1, j), GridPoint(i, j + 1), GridPoint(i + 1, j + 1)},
                      {GridUv(i + 1, j), GridUv(i, j + 1), GridUv(i + 1, j + 1)}});
    }
  }
  return tile;
}

float TerrainHeight(float u, float v) {
  // |u - 0.5| is itself periodic in u, so the valley keeps the map tiling.
  const float side = std::fabs(u - 0.5f);
  const float valley = SmoothStep(0.10f, 0.42f, side);
  const float ridges = TileNoise(u, v, 4, 4, 17u);
  const float ripples = TileNoise(u, v, 16, 2, 91u);
  const float height = valley * (0.25f + 0.95f * ridges * ridges) + 0.08f * ripples;
  return std::clamp(height, 0.0f, 1.0f);
}

tools::Image Heightmap() {
  tools::Image image(HeightmapPixels, HeightmapPixels, 3);
  for (int y = 0; y < HeightmapPixels; ++y) {
    for (int x = 0; x < HeightmapPixels; ++x) {
      const float u = (x + 0.5f) / HeightmapPixels;
      const float v = (y + 0.5f) / HeightmapPixels;
      const uint8_t value = tools::ToByte(TerrainHeight(u, v));
      uint8_t* pixel = image.Pixel(x, y);
      pixel[0] = pixel[1] = pixel[2] = value;
    }
  }
  return image;
}

}  // namespace scenery
