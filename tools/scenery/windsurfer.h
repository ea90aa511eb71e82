// The windsurfer: board, rig with a striped neon sail, and a rider leaning out on the boom.
#pragma once

#include "tools/common/image.h"
#include "tools/scenery/triangle_mesh.h"

namespace scenery {

constexpr int WindsurfTexturePixels = 512;

struct WindsurferAsset {
  TriangleList triangles;
  tools::Image texture;
};

// Board along x with its deck at y 0, nose towards +x, sail in the x-y plane; the rider stands on
// the -z side, which the show turns towards the viewer.
WindsurferAsset MakeWindsurfer();

}  // namespace scenery
