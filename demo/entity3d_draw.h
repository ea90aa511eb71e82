// What the scene objects' draws share: the textured meshes' flip, the depth switch and the return to 2D.
#pragma once

#include <glad/gl.h>

// The "flip" value of a textured mesh draw (sprites send 0).
constexpr GLint TexturedMeshFlip = 2;

// Depth test LESS when on, no depth test when off.
void ApplyDepthTest(bool enabled);

// The 2D state sprites expect: culling and depth test off, polygons filled, the orthographic
// projection and the fixed 2D view.
void ReturnTo2D();
