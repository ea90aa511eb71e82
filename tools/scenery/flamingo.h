// The flamingo: a low-poly bird on one leg, its faces ordered from the feet up, and its texture.
#pragma once

#include "tools/common/image.h"
#include "tools/scenery/triangle_mesh.h"

namespace scenery {

constexpr int FlamingoTexturePixels = 512;

struct FlamingoAsset {
  TriangleList triangles;  // feet first, head last: the show builds the bird up in this order
  tools::Image texture;
};

// About 1.5 units tall with its feet 0.85 below the origin, beak towards -x turned a little to the viewer.
FlamingoAsset MakeFlamingo();

}  // namespace scenery
