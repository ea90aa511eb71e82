// What the scene objects' draws share: the textured meshes' flip and the depth switch.
#pragma once

#include <glad/gl.h>

// The "flip" value of a textured mesh draw (sprites send 0).
constexpr GLint TexturedMeshFlip = 2;

// Depth test LESS when on, no depth test when off.
void ApplyDepthTest(bool enabled);
