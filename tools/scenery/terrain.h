// The terrain tile: a 6 x 6 grid whose texture coordinates address the tiling heightmap.
#pragma once

#include "tools/common/image.h"
#include "tools/scenery/triangle_mesh.h"

namespace scenery {

constexpr float TerrainTileUnits = 6.0f;
constexpr int TerrainCellsPerSide = 16;
constexpr int HeightmapPixels = 256;

// Centred on the origin in x and z at y 0, faces upwards; (u, v) runs 0..1 across the tile so
// that opposite edges sample the same heights of a repeating map.
TriangleList TerrainTile();

// 0..1, repeating over the unit square: a low valley down the middle of the tile (v runs along
// it), ridges towards the side edges.
float TerrainHeight(float u, float v);

// Three equal channels of TerrainHeight sampled at the pixel centres.
tools::Image Heightmap();

}  // namespace scenery
