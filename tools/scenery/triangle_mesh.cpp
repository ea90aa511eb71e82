// Small operations on triangle soups.
#include "tools/scenery/triangle_mesh.h"

#include <algorithm>

namespace scenery {

glm::vec3 Centroid(const Triangle& triangle) {
  return (triangle.corner[0] + triangle.corner[1] + triangle.corner[2]) / 3.0f;
}

glm::vec3 FaceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
  return glm::cross(b - a, c - a);
}

void SortBottomToTop(TriangleList& triangles) {
  std::stable_sort(triangles.begin(), triangles.end(), [](const Triangle& a, const Triangle& b) {
    return Centroid(a).y < Centroid(b).y;
  });
}

void Append(TriangleList& to, const TriangleList& from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace scenery
