// Curve flattening and the stock shapes of the drawn art.
#include "tools/sprites/shapes.h"

#include <cmath>

namespace sprites {
namespace {

constexpr float DegreesToRadians = 0.017453292f;

Point Tangent(const std::vector<CurvePoint>& p, int i, bool closed) {
  const int n = static_cast<int>(p.size());
  if (p[i].sharp) return Point{};
  const int prev = closed ? (i + n - 1) % n : (i > 0 ? i - 1 : i);
  const int next = closed ? (i + 1) % n : (i + 1 < n ? i + 1 : i);
  return Point{(p[next].x - p[prev].x) * 0.5f, (p[next].y - p[prev].y) * 0.5f};
}

}  // namespace

std::vector<Point> SmoothCurve(const std::vector<CurvePoint>& points, bool closed, int stepsPerSpan) {
  std::vector<Point> out;
  const int n = static_cast<int>(points.size());
  const int spans = closed ? n : n - 1;
  for (int i = 0; i < spans; ++i) {
    const CurvePoint& a = points[i];
    const CurvePoint& b = points[(i + 1) % n];
    const Point ta = Tangent(points, i, closed), tb = Tangent(points, (i + 1) % n, closed);
    for (int s = 0; s < stepsPerSpan; ++s) {
      const float t = float(s) / stepsPerSpan, t2 = t * t, t3 = t2 * t;
      const float h00 = 2 * t3 - 3 * t2 + 1, h10 = t3 - 2 * t2 + t, h01 = -2 * t3 + 3 * t2, h11 = t3 - t2;
      out.push_back(Point{h00 * a.x + h10 * ta.x + h01 * b.x + h11 * tb.x,
                          h00 * a.y + h10 * ta.y + h01 * b.y + h11 * tb.y});
    }
  }
  if (!closed && n > 0) out.push_back(Point{points.back().x, points.back().y});
  return out;
}

std::vector<Point> Ellipse(float cx, float cy, float rx, float ry, float rotationDegrees, int segments) {
  std::vector<Point> out;
  const float c = std::cos(rotationDegrees * DegreesToRadians), s = std::sin(rotationDegrees * DegreesToRadians);
  for (int i = 0; i < segments; ++i) {
    const float a = 6.2831853f * i / segments;
    const float x = std::cos(a) * rx, y = std::sin(a) * ry;
    out.push_back(Point{cx + x * c - y * s, cy + x * s + y * c});
  }
  return out;
}

std::vector<Point> Feather(Point root, Point tip, float width, float bend) {
  const float dx = tip.x - root.x, dy = tip.y - root.y;
  const float length = std::sqrt(dx * dx + dy * dy);
  const float nx = -dy / length, ny = dx / length;  // unit normal
  auto at = [&](float along, float across) {
    const float curve = bend * along * (1.0f - along) * 4.0f;
    return CurvePoint{root.x + dx * along + nx * (across + curve), root.y + dy * along + ny * (across + curve)};
  };
  const float half = width * 0.5f;
  std::vector<CurvePoint> outline = {at(0.0f, -half * 0.7f), at(0.35f, -half), at(0.75f, -half * 0.8f),
                                     at(1.0f, 0.0f),         at(0.75f, half * 0.8f), at(0.35f, half),
                                     at(0.0f, half * 0.7f)};
  outline[3].sharp = true;
  return SmoothCurve(outline, true);
}

}  // namespace sprites
