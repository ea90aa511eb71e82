// A triangle soup with texture coordinates, the form every generated mesh takes before it is written.
#pragma once

#include <vector>

#include <glm/glm.hpp>

namespace scenery {

struct Triangle {
  glm::vec3 corner[3];
  glm::vec2 uv[3];  // OBJ convention: v = 0 is the bottom row of the image
};

using TriangleList = std::vector<Triangle>;

glm::vec3 Centroid(const Triangle& triangle);
// Unnormalised; its direction is the front side for counter-clockwise winding.
glm::vec3 FaceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c);

// Orders the triangles bottom to top by the height of their centroids (stable for equal heights).
void SortBottomToTop(TriangleList& triangles);
void Append(TriangleList& to, const TriangleList& from);

}  // namespace scenery
