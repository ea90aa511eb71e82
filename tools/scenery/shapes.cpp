// Tubes with parallel-transported frames, fans, and their outward winding.
#include "tools/scenery/shapes.h"

#include <cmath>

#include "tools/scenery/triangle_mesh.h"

namespace scenery {

namespace {

struct Frame {
  glm::vec3 tangent;
  glm::vec3 normal;
  glm::vec3 binormal;
};

glm::vec3 TangentAt(const std::vector<TubeRing>& rings, size_t i) {
  const size_t before = i == 0 ? 0 : i - 1;
  const size_t after = i + 1 < rings.size() ? i + 1 : i;
  return glm::normalize(rings[after].center - rings[before].center);
}

glm::vec3 PerpendicularPart(const glm::vec3& v, const glm::vec3& tangent) {
  return v - glm::dot(v, tangent) * tangent;
}

// Parallel transport keeps the rings from twisting where the path bends.
std::vector<Frame> TubeFrames(const std::vector<TubeRing>& rings, const glm::vec3& normalHint) {
  std::vector<Frame> frames;
  glm::vec3 normal = normalHint;
  for (size_t i = 0; i < rings.size(); ++i) {
    const glm::vec3 tangent = TangentAt(rings, i);
    glm::vec3 candidate = PerpendicularPart(normal, tangent);
    if (glm::length(candidate) < 1e-4f) candidate = PerpendicularPart(glm::vec3(1.0f, 0.0f, 0.0f), tangent);
    normal = glm::normalize(candidate);
    frames.push_back({tangent, normal, glm::cross(tangent, normal)});
  }
  return frames;
}

std::vector<std::vector<glm::vec3>> RingPoints(const std::vector<TubeRing>& rings, const TubeStyle& style) {
  const std::vector<Frame> frames = TubeFrames(rings, style.normalHint);
  std::vector<std::vector<glm::vec3>> points(rings.size());
  for (size_t i = 0; i < rings.size(); ++i) {
    for (int j = 0; j < style.sides; ++j) {
      const float angle = style.angleOffsetRadians + 6.2831853f * static_cast<float>(j) / style.sides;
      points[i].push_back(rings[i].center + std::cos(angle) * rings[i].radius.x * frames[i].normal +
                          std::sin(angle) * rings[i].radius.y * frames[i].binormal);
    }
  }
  return points;
}

void AddCap(PaintedList& out, const std::vector<glm::vec3>& ring, const glm::vec3& tip, const glm::vec3& inside,
            int material, float gradient) {
  const size_t sides = ring.size();
  for (size_t j = 0; j < sides; ++j) {
    out.push_back(Outward(tip, ring[j], ring[(j + 1) % sides], inside, material, gradient));
  }
}

}  // namespace

PaintedTriangle Outward(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c, const glm::vec3& inside,
                        int material, float gradient) {
  PaintedTriangle triangle{{a, b, c}, material, gradient};
  const glm::vec3 centroid = (a + b + c) / 3.0f;
  if (glm::dot(FaceNormal(a, b, c), centroid - inside) < 0.0f) std::swap(triangle.corner[1], triangle.corner[2]);
  return triangle;
}

PaintedList Tube(const std::vector<TubeRing>& rings, const TubeStyle& style) {
  PaintedList out;
  if (rings.size() < 2 || style.sides < 3) return out;
  const auto points = RingPoints(rings, style);
  const size_t sides = static_cast<size_t>(style.sides);
  for (size_t i = 0; i + 1 < rings.size(); ++i) {
    const glm::vec3 axis = (rings[i].center + rings[i + 1].center) * 0.5f;
    const float paint = rings[i].gradient;
    for (size_t j = 0; j < sides; ++j) {
      const size_t k = (j + 1) % sides;
      out.push_back(Outward(points[i][j], points[i + 1][j], points[i + 1][k], axis, style.material, paint));
      out.push_back(Outward(points[i][j], points[i + 1][k], points[i][k], axis, style.material, paint));
    }
  }
  const TubeRing& first = rings.front();
  const TubeRing& last = rings.back();
  const glm::vec3 startTip = first.center - TangentAt(rings, 0) * style.startTipLength;
  const glm::vec3 endTip = last.center + TangentAt(rings, rings.size() - 1) * style.endTipLength;
  if (style.capStart) AddCap(out, points.front(), startTip, rings[1].center, style.material, first.gradient);
  if (style.capEnd) {
    AddCap(out, points.back(), endTip, rings[rings.size() - 2].center, style.material, last.gradient);
  }
  return out;
}

PaintedList TwoSidedFan(const std::vector<glm::vec3>& outline, int material, float gradient) {
  PaintedList out;
  for (size_t j = 1; j + 1 < outline.size(); ++j) {
    out.push_back({{outline[0], outline[j], outline[j + 1]}, material, gradient});
    out.push_back({{outline[0], outline[j + 1], outline[j]}, material, gradient});
  }
  return out;
}

void Append(PaintedList& to, const PaintedList& from) {
  to.insert(to.end(), from.begin(), from.end());
}

void RotateAboutY(PaintedList& triangles, float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  for (PaintedTriangle& triangle : triangles) {
    for (glm::vec3& p : triangle.corner) p = glm::vec3(c * p.x + s * p.z, p.y, -s * p.x + c * p.z);
  }
}

}  // namespace scenery
