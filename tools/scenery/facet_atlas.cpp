// Painting the swatch cells and mapping each face onto the triangle drawn in its cell.
#include "tools/scenery/facet_atlas.h"

#include <algorithm>
#include <cmath>

#include "tools/common/colour.h"

namespace scenery {

namespace {

// The triangle inside every cell, in cell pixels (top-down); face corner k maps to CellTriangle[k].
const glm::vec2 CellTriangle[3] = {{3.5f, 28.5f}, {28.5f, 28.5f}, {16.0f, 3.5f}};
constexpr float OutlinePixels = 2.0f;

float EdgeDistance(const glm::vec2& p, const glm::vec2& a, const glm::vec2& b) {
  const glm::vec2 edge = b - a;
  const glm::vec2 inward(edge.y, -edge.x);  // the cell triangle runs clockwise on screen
  return glm::dot(p - a, glm::normalize(inward));
}

// Signed distance to the cell triangle's outline, positive inside.
float InsideDistance(const glm::vec2& p) {
  return std::min({EdgeDistance(p, CellTriangle[0], CellTriangle[1]),
                   EdgeDistance(p, CellTriangle[1], CellTriangle[2]),
                   EdgeDistance(p, CellTriangle[2], CellTriangle[0])});
}

}  // namespace

glm::vec3 ShadeColour(const glm::vec3& base, float light) {
  const glm::vec3 shadow = base * 0.34f + glm::vec3(0.14f, 0.03f, 0.26f);
  const glm::vec3 lit = base * 1.04f + glm::vec3(0.10f, 0.07f, 0.03f) * light * light;
  return glm::clamp(glm::mix(shadow, lit, light), 0.0f, 1.0f);
}

float FaceLight(const glm::vec3& normal, const glm::vec3& towardsLight) {
  const float length = glm::length(normal);
  if (length <= 0.0f) return 0.5f;
  const glm::vec3 n = normal / length;
  const float diffuse = std::max(0.0f, glm::dot(n, glm::normalize(towardsLight)));
  const float sky = 0.5f + 0.5f * n.y;
  return std::clamp(0.15f + 0.7f * diffuse + 0.2f * sky, 0.0f, 1.0f);
}

FacetAtlas::FacetAtlas(int imageWidth, int imageHeight, int x, int y, int width, int height)
    : imageWidth_(imageWidth),
      imageHeight_(imageHeight),
      x_(x),
      y_(y),
      rowsPerColumn_(height / CellPixels),
      columns_(width / (CellPixels * LightLevels)) {}

int FacetAtlas::AddMaterial(ColourRamp ramp, int steps) {
  if (steps < 1 || rowsUsed_ + steps > rowsPerColumn_ * columns_) return -1;
  materials_.push_back({std::move(ramp), steps, rowsUsed_});
  rowsUsed_ += steps;
  return static_cast<int>(materials_.size()) - 1;
}

glm::ivec2 FacetAtlas::CellOrigin(int row, int level) const {
  const int column = row / rowsPerColumn_;
  return {x_ + (column * LightLevels + level) * CellPixels, y_ + (row % rowsPerColumn_) * CellPixels};
}

void FacetAtlas::PaintCell(tools::Image& image, glm::ivec2 origin, const glm::vec3& fill) const {
  const glm::vec3 outline = fill * 0.55f;
  for (int py = 0; py < CellPixels; ++py) {
    for (int px = 0; px < CellPixels; ++px) {
      const float inside = InsideDistance(glm::vec2(px + 0.5f, py + 0.5f));
      // The outline hugs the triangle on both sides; beyond it the fill again, so that the small
      // mipmap levels keep the face's own colour.
      const float edge = std::clamp(std::fabs(inside) / OutlinePixels, 0.0f, 1.0f);
      const float bevel = 0.93f + 0.07f * std::clamp(inside / 9.0f, 0.0f, 1.0f);
      const glm::vec3 colour = glm::mix(outline, fill * bevel, edge * edge);
      uint8_t* pixel = image.Pixel(origin.x + px, origin.y + py);
      pixel[0] = tools::ToByte(colour.r);
      pixel[1] = tools::ToByte(colour.g);
      pixel[2] = tools::ToByte(colour.b);
      if (image.channels == 4) pixel[3] = 255;
    }
  }
}

void FacetAtlas::Paint(tools::Image& image) const {
  for (const Material& material : materials_) {
    for (int step = 0; step < material.steps; ++step) {
      const float along = material.steps > 1 ? static_cast<float>(step) / (material.steps - 1) : 0.0f;
      const glm::vec3 base = material.ramp(along);
      for (int level = 0; level < LightLevels; ++level) {
        const float light = static_cast<float>(level) / (LightLevels - 1);
        PaintCell(image, CellOrigin(material.firstRow + step, level), ShadeColour(base, light));
      }
    }
  }
}

int FacetAtlas::RowOf(const PaintedTriangle& triangle) const {
  const Material& material = materials_[static_cast<size_t>(triangle.material)];
  const float along = std::clamp(triangle.gradient, 0.0f, 1.0f);
  return material.firstRow + static_cast<int>(std::lround(along * (material.steps - 1)));
}

TriangleList FacetAtlas::Texture(const PaintedList& painted, const glm::vec3& towardsLight) const {
  TriangleList out;
  out.reserve(painted.size());
  for (const PaintedTriangle& face : painted) {
    const float light = FaceLight(FaceNormal(face.corner[0], face.corner[1], face.corner[2]), towardsLight);
    const int level = static_cast<int>(std::lround(light * (LightLevels - 1)));
    const glm::ivec2 origin = CellOrigin(RowOf(face), level);
    Triangle triangle{};
    for (int k = 0; k < 3; ++k) {
      triangle.corner[k] = face.corner[k];
      const glm::vec2 pixel = glm::vec2(origin) + CellTriangle[k];
      triangle.uv[k] = glm::vec2(pixel.x / imageWidth_, 1.0f - pixel.y / imageHeight_);
    }
    out.push_back(triangle);
  }
  return out;
}

}  // namespace scenery
