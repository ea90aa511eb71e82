// Skyline buildings: bodies lit from the street, window grids, art-deco steps, spires and neon.
#include "tools/backgrounds/skyline.h"

#include <cmath>

namespace backgrounds {

namespace {

const glm::vec3 WindowColors[] = {Hex(0xffd27a), Hex(0x6ef3ff), Hex(0xff6ad5), Hex(0xfff0c0)};
const glm::vec3 NeonColors[] = {Hex(0xff2bd6), Hex(0x22f0ff), Hex(0xff5a3c)};

constexpr float StepShare = 0.12f;  // height of each art-deco step, share of the building
constexpr float SpireShare = 0.25f;

// Half-width of the building's silhouette at `fromTop` pixels below its highest point.
float HalfWidthAt(const Building& b, float fromTop) {
  const float half = b.width * 0.5f;
  switch (b.roof) {
    case Roof::Flat:
      return half;
    case Roof::Stepped: {
      const float step = b.height * StepShare * 0.5f;
      if (fromTop < step) return half * 0.5f;
      if (fromTop < 2.0f * step) return half * 0.75f;
      return half;
    }
    case Roof::Spire: {
      const float spire = b.height * SpireShare;
      if (fromTop < spire) return std::max(1.2f, half * 0.12f * (fromTop / spire));
      return half;
    }
  }
  return half;
}

glm::vec3 WindowLight(const Building& b, const BuildingLook& look, float localX, float fromTop) {
  const float cellW = look.windowCellPixels, cellH = cellW * 1.3f;
  const float margin = cellW * 0.8f;
  const float roofTop = b.roof == Roof::Spire ? b.height * SpireShare : b.height * StepShare;
  if (localX < margin || localX > b.width - margin || fromTop < roofTop + cellH) return glm::vec3(0.0f);
  const int column = int((localX - margin) / cellW), row = int((fromTop - roofTop) / cellH);
  const float inX = std::fmod(localX - margin, cellW) / cellW, inY = std::fmod(fromTop - roofTop, cellH) / cellH;
  if (inX < 0.2f || inX > 0.75f || inY < 0.25f || inY > 0.8f) return glm::vec3(0.0f);
  if (SumMixHash(column, row, b.seed) > look.litShare) return glm::vec3(0.02f, 0.01f, 0.04f);
  const glm::vec3 tone = WindowColors[int(SumMixHash(column, row, b.seed + 1) * 3.99f)];
  return tone * (0.6f + 0.4f * SumMixHash(column, row, b.seed + 2));
}

// A neon trim down the silhouette's edges and along its roof line, plus a vertical sign.
glm::vec3 NeonLight(const Building& b, float localX, float fromTop, float halfWidth) {
  const glm::vec3 neon = NeonColors[b.seed % 3];
  const float fromEdge = halfWidth - std::fabs(localX - b.width * 0.5f);
  float light = glm::clamp(1.6f - fromEdge, 0.0f, 1.0f);
  const float signX = b.width * (0.25f + 0.5f * SumMixHash(b.seed, 3, 9));
  const float signTop = b.height * 0.3f, signLength = b.height * 0.3f;
  if (std::fabs(localX - signX) < 2.5f && fromTop > signTop && fromTop < signTop + signLength) {
    light = std::max(light, std::fmod(fromTop, 9.0f) < 6.5f ? 1.0f : 0.2f);
  }
  return neon * light;
}

}  // namespace

std::vector<Building> LayOutSkyline(int width, float minWidth, float maxWidth, float minHeight,
                                    float maxHeight, int seed) {
  std::vector<Building> row;
  float left = 0.0f;
  for (int i = 0; left < float(width); ++i) {
    const float w = glm::mix(minWidth, maxWidth, SumMixHash(i, 0, seed));
    const float h = glm::mix(minHeight, maxHeight, std::pow(SumMixHash(i, 1, seed), 1.5f));
    const float pick = SumMixHash(i, 2, seed);
    const Roof roof = pick < 0.55f ? Roof::Flat : (pick < 0.85f ? Roof::Stepped : Roof::Spire);
    row.push_back({left, w, h, roof, seed * 131 + i});
    left += w + glm::mix(2.0f, 10.0f, SumMixHash(i, 3, seed));
  }
  // Stretch the row so the last gap closes onto the first building: the picture tiles.
  // Each row starts at its own offset, so the rows' closing gaps do not line up.
  const float stretch = float(width) / left;
  const float offset = SumMixHash(seed, 5, 0) * float(width);
  for (Building& b : row) {
    b.left = b.left * stretch + offset;
    b.width *= stretch;
  }
  return row;
}

void PaintBuilding(Canvas& canvas, const Building& b, const BuildingLook& look) {
  const bool neon = SumMixHash(b.seed, 4, 17) < look.neonShare;
  const int top = std::max(0, canvas.height - int(b.height));
  for (int y = top; y < canvas.height; ++y) {
    const float fromTop = float(y) - (float(canvas.height) - b.height);
    const float halfWidth = HalfWidthAt(b, fromTop);
    const float t = fromTop / b.height;
    const glm::vec3 body = glm::mix(look.bodyTop, look.bodyBottom, t);
    for (int x = int(b.left); x <= int(b.left + b.width) + 1; ++x) {
      const float localX = float(x) + 0.5f - b.left;
      const float coverage = glm::clamp(halfWidth - std::fabs(localX - b.width * 0.5f) + 0.5f, 0.0f, 1.0f);
      if (coverage <= 0.0f) continue;
      glm::vec3 c = body + WindowLight(b, look, localX, fromTop) * look.brightness;
      if (neon) c += NeonLight(b, localX, fromTop, halfWidth) * look.brightness;
      BlendOver(canvas.At(x % canvas.width, y), c, coverage);
    }
  }
}

}  // namespace backgrounds
