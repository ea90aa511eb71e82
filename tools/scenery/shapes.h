// Low-poly building blocks: tubes along a path and flat fans, as triangles tagged with a paint.
#pragma once

#include <vector>

#include <glm/glm.hpp>

namespace scenery {

// A triangle before texturing: which material it is made of and where on that material's ramp.
struct PaintedTriangle {
  glm::vec3 corner[3];
  int material = 0;
  float gradient = 0.0f;  // 0..1
};

using PaintedList = std::vector<PaintedTriangle>;

struct TubeRing {
  glm::vec3 center;
  glm::vec2 radius;  // along the ring's normal (the side `TubeStyle::normalHint` points to) and binormal
  float gradient;    // paint of the band that starts at this ring, and of a cap closing it
};

struct TubeStyle {
  int sides = 6;
  int material = 0;
  bool capStart = true;
  bool capEnd = true;
  // How far the caps reach beyond the end rings, along the path: 0 gives flat ends.
  float startTipLength = 0.0f;
  float endTipLength = 0.0f;
  // Direction the first ring's normal leans towards; later rings follow by parallel transport.
  glm::vec3 normalHint{0.0f, 1.0f, 0.0f};
  float angleOffsetRadians = 0.0f;
};

// A closed (when capped) tube, every face wound counter-clockwise seen from outside.
PaintedList Tube(const std::vector<TubeRing>& rings, const TubeStyle& style);

// A flat polygon fanned from its first point, seen from both sides.
PaintedList TwoSidedFan(const std::vector<glm::vec3>& outline, int material, float gradient);

// Winds a, b, c counter-clockwise as seen from the side away from `inside`.
PaintedTriangle Outward(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c, const glm::vec3& inside,
                        int material, float gradient);

void Append(PaintedList& to, const PaintedList& from);
// Rotates every corner about the y axis through the origin.
void RotateAboutY(PaintedList& triangles, float radians);

}  // namespace scenery
