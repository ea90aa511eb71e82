// Outlines for the drawn art: smooth closed curves through points, ellipses, transforms.
#pragma once

#include <vector>

namespace sprites {

struct Point {
  float x = 0, y = 0;
};

// A point the curve passes through; at a sharp point the curve turns a corner (a feather tip,
// the hook of a beak) instead of rounding it.
struct CurvePoint {
  float x = 0, y = 0;
  bool sharp = false;
};

// The smooth curve (cubic Hermite, Catmull-Rom tangents) through the points, as a polygon.
std::vector<Point> SmoothCurve(const std::vector<CurvePoint>& points, bool closed, int stepsPerSpan = 16);

std::vector<Point> Ellipse(float cx, float cy, float rx, float ry, float rotationDegrees = 0.0f,
                           int segments = 96);

// A pointed feather from its root to its tip, `width` across at its widest.
std::vector<Point> Feather(Point root, Point tip, float width, float bend = 0.0f);

}  // namespace sprites
