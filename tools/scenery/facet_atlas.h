// A texture of shaded swatches, one per material, ramp step and light level, that gives low-poly
// meshes faceted lighting and outlined facets without any lighting in the shader.
#pragma once

#include <functional>
#include <vector>

#include <glm/glm.hpp>

#include "tools/common/image.h"
#include "tools/scenery/shapes.h"
#include "tools/scenery/triangle_mesh.h"

namespace scenery {

using ColourRamp = std::function<glm::vec3(float)>;  // gradient 0..1 to linear-ish RGB 0..1

class FacetAtlas {
 public:
  static constexpr int CellPixels = 32;
  static constexpr int LightLevels = 8;

  // The atlas fills the rectangle (x, y, width, height) of the image it paints into; rows of
  // LightLevels cells are stacked top to bottom, then in further columns.
  FacetAtlas(int imageWidth, int imageHeight, int x, int y, int width, int height);

  // Reserves one row of cells per ramp step; -1 when the atlas is full.
  int AddMaterial(ColourRamp ramp, int steps);
  void Paint(tools::Image& image) const;

  // Texture coordinates for every triangle: its material's swatch at its ramp step, lit by a
  // light from `towardsLight` (world space, normalised by the callee).
  TriangleList Texture(const PaintedList& painted, const glm::vec3& towardsLight) const;

 private:
  struct Material {
    ColourRamp ramp;
    int steps;
    int firstRow;
  };
  glm::ivec2 CellOrigin(int row, int level) const;
  int RowOf(const PaintedTriangle& triangle) const;
  void PaintCell(tools::Image& image, glm::ivec2 origin, const glm::vec3& fill) const;

  int imageWidth_;
  int imageHeight_;
  int x_;
  int y_;
  int rowsPerColumn_;
  int columns_;
  int rowsUsed_ = 0;
  std::vector<Material> materials_;
};

// The lit colour of a swatch: shadows lean to dusk violet, light to warm sunset.
glm::vec3 ShadeColour(const glm::vec3& base, float light);
// How bright a face with this normal is, 0..1.
float FaceLight(const glm::vec3& normal, const glm::vec3& towardsLight);

}  // namespace scenery
