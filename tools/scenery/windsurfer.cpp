// Windsurfer geometry and texture: faceted atlas for board, rig and rider, a painted sail beside it.
#include "tools/scenery/windsurfer.h"

#include <algorithm>
#include <cmath>

#include "tools/common/colour.h"
#include "tools/scenery/facet_atlas.h"
#include "tools/scenery/shapes.h"

namespace scenery {

namespace {

constexpr float Pi = 3.14159265f;
const glm::vec3 TowardsLight(-0.4f, 0.8f, -0.55f);  // the rider's side is the one shown

// The sail's picture fills the right half of the texture; the atlas the left half.
constexpr int SailX = 256;
constexpr int SailWidth = 256;
constexpr int SailHeight = 512;

// Corners of the sail in the x-y plane (z 0): tack at the mast foot, clew at the boom end, head at
// the mast top; the outer edge runs tack, clew, leech, head.
const glm::vec2 SailTack(0.08f, 0.16f);
const glm::vec2 SailHead(0.0f, 2.32f);
const glm::vec2 SailOuter[] = {{0.08f, 0.16f}, {1.28f, 1.02f}, {0.82f, 1.78f}, {0.0f, 2.32f}};
const glm::vec2 SailMin(0.0f, 0.16f);
const glm::vec2 SailMax(1.28f, 2.32f);

struct RigMaterials {
  int board;
  int skin;
  int cloth;
  int hair;
  int rig;
};

glm::vec3 Pick(const std::vector<glm::vec3>& palette, float g) {
  const auto index = static_cast<size_t>(std::lround(std::clamp(g, 0.0f, 1.0f) * (palette.size() - 1)));
  return palette[index];
}

RigMaterials AddMaterials(FacetAtlas& atlas) {
  const std::vector<glm::vec3> board = {{0.96f, 0.96f, 1.0f}, {0.10f, 0.92f, 1.0f}, {1.0f, 0.18f, 0.70f}};
  const std::vector<glm::vec3> cloth = {{0.10f, 0.85f, 0.95f}, {1.0f, 0.84f, 0.18f}, {1.0f, 0.25f, 0.55f}};
  const std::vector<glm::vec3> rig = {{0.92f, 0.92f, 0.95f}, {0.12f, 0.10f, 0.16f}};
  return {atlas.AddMaterial([board](float g) { return Pick(board, g); }, 3),
          atlas.AddMaterial([](float g) { return glm::mix(glm::vec3(0.95f, 0.68f, 0.52f), glm::vec3(0.80f, 0.52f, 0.40f), g); }, 2),
          atlas.AddMaterial([cloth](float g) { return Pick(cloth, g); }, 3),
          atlas.AddMaterial([](float) { return glm::vec3(0.25f, 0.12f, 0.16f); }, 1),
          atlas.AddMaterial([rig](float g) { return Pick(rig, g); }, 2)};
}

TubeStyle Style(int material, int sides) {
  TubeStyle style;
  style.material = material;
  style.sides = sides;
  return style;
}

// Paint index g of a palette material with `count` entries.
float Entry(int index, int count) { return static_cast<float>(index) / (count - 1); }

PaintedList Board(int material) {
  std::vector<TubeRing> rings;
  constexpr int Rings = 11;
  for (int i = 0; i < Rings; ++i) {
    const float s = static_cast<float>(i) / (Rings - 1);
    const float width = 0.29f * std::pow(std::sin(Pi * (0.18f + 0.8f * s)), 0.5f);
    const float rocker = 0.05f * s * s * s * s;  // the nose turns up
    const int stripe = i == 3 || i == 7 ? 1 : (i == 5 ? 2 : 0);
    rings.push_back({glm::vec3(-1.0f + 2.08f * s, rocker, 0.0f), glm::vec2(0.045f, width), Entry(stripe, 3)});
  }
  TubeStyle style = Style(material, 8);
  style.endTipLength = 0.05f;
  style.normalHint = glm::vec3(0.0f, 1.0f, 0.0f);
  style.angleOffsetRadians = Pi / 8;
  PaintedList board = Tube(rings, style);
  Append(board, TwoSidedFan({{-0.78f, -0.04f, 0.0f}, {-0.92f, -0.04f, 0.0f}, {-0.93f, -0.30f, 0.0f}}, material,
                            Entry(2, 3)));
  return board;
}

PaintedList Rig(int material) {
  TubeStyle style = Style(material, 5);
  PaintedList rig = Tube({{glm::vec3(0.08f, 0.04f, 0.0f), glm::vec2(0.022f), 0.0f},
                          {glm::vec3(0.0f, 2.36f, 0.0f), glm::vec2(0.015f), 0.0f}},
                         style);
  // Wishbone boom: two bowed arms from the mast to the clew.
  for (float side : {-1.0f, 1.0f}) {
    Append(rig, Tube({{glm::vec3(0.05f, 1.16f, 0.0f), glm::vec2(0.016f), 1.0f},
                      {glm::vec3(0.45f, 1.12f, side * 0.13f), glm::vec2(0.017f), 1.0f},
                      {glm::vec3(0.95f, 1.06f, side * 0.10f), glm::vec2(0.016f), 1.0f},
                      {glm::vec3(1.30f, 1.02f, 0.0f), glm::vec2(0.014f), 1.0f}},
                     style));
  }
  return rig;
}

PaintedList Limb(int material, const std::vector<glm::vec3>& joints, const std::vector<float>& radii, float paint) {
  std::vector<TubeRing> rings;
  for (size_t i = 0; i < joints.size(); ++i) rings.push_back({joints[i], glm::vec2(radii[i]), paint});
  TubeStyle style = Style(material, 6);
  style.normalHint = glm::vec3(0.0f, 0.0f, 1.0f);
  return Tube(rings, style);
}

PaintedList Rider(const RigMaterials& m) {
  PaintedList rider;
  // Legs from the feet on the deck up to the hips, knees bent towards the sail.
  Append(rider, Limb(m.skin, {{0.34f, 0.05f, -0.10f}, {0.40f, 0.45f, -0.16f}, {0.50f, 0.80f, -0.30f}},
                     {0.045f, 0.05f, 0.07f}, 0.0f));
  Append(rider, Limb(m.skin, {{0.76f, 0.05f, -0.10f}, {0.70f, 0.45f, -0.18f}, {0.60f, 0.80f, -0.30f}},
                     {0.045f, 0.05f, 0.07f}, 0.0f));
  // Shorts, then the tank top up to the shoulders, leaning back out to windward.
  Append(rider, Limb(m.cloth, {{0.55f, 0.66f, -0.27f}, {0.55f, 0.84f, -0.31f}, {0.55f, 0.96f, -0.35f}},
                     {0.12f, 0.14f, 0.13f}, Entry(0, 3)));
  std::vector<TubeRing> torso = {{glm::vec3(0.55f, 0.94f, -0.34f), glm::vec2(0.12f, 0.10f), Entry(2, 3)},
                                 {glm::vec3(0.55f, 1.16f, -0.40f), glm::vec2(0.15f, 0.11f), Entry(2, 3)},
                                 {glm::vec3(0.55f, 1.36f, -0.46f), glm::vec2(0.17f, 0.10f), Entry(2, 3)},
                                 {glm::vec3(0.55f, 1.42f, -0.48f), glm::vec2(0.07f, 0.05f), Entry(2, 3)}};
  TubeStyle torsoStyle = Style(m.cloth, 8);
  torsoStyle.normalHint = glm::vec3(1.0f, 0.0f, 0.0f);
  Append(rider, Tube(torso, torsoStyle));
  // Arms from the shoulders to the hands on the near boom arm.
  Append(rider, Limb(m.skin, {{0.40f, 1.36f, -0.46f}, {0.34f, 1.22f, -0.30f}, {0.40f, 1.13f, -0.14f}},
                     {0.04f, 0.035f, 0.03f}, 0.0f));
  Append(rider, Limb(m.skin, {{0.70f, 1.36f, -0.46f}, {0.78f, 1.22f, -0.30f}, {0.82f, 1.09f, -0.12f}},
                     {0.04f, 0.035f, 0.03f}, 0.0f));
  // Head and hair.
  Append(rider, Limb(m.skin, {{0.55f, 1.40f, -0.48f}, {0.55f, 1.47f, -0.50f}}, {0.035f, 0.04f}, 1.0f));
  TubeStyle headStyle = Style(m.skin, 8);
  Append(rider, Tube({{glm::vec3(0.55f, 1.47f, -0.50f), glm::vec2(0.075f), 0.0f},
                      {glm::vec3(0.55f, 1.56f, -0.51f), glm::vec2(0.085f), 0.0f},
                      {glm::vec3(0.55f, 1.64f, -0.52f), glm::vec2(0.06f), 0.0f}},
                     headStyle));
  TubeStyle hairStyle = Style(m.hair, 8);
  hairStyle.endTipLength = 0.03f;
  Append(rider, Tube({{glm::vec3(0.55f, 1.55f, -0.525f), glm::vec2(0.09f), 0.0f},
                      {glm::vec3(0.55f, 1.64f, -0.53f), glm::vec2(0.07f), 0.0f}},
                     hairStyle));
  return rider;
}

glm::vec2 OuterEdge(float s) {
  const float span = s * 3.0f;
  const int segment = std::min(static_cast<int>(span), 2);
  return glm::mix(SailOuter[segment], SailOuter[segment + 1], span - segment);
}

// A point of the sail: s along the luff and the outer edge, t from the luff out; the cloth bellies
// away from the rider.
glm::vec3 SailPoint(float s, float t) {
  const glm::vec2 luff = glm::mix(SailTack, SailHead, s);
  const glm::vec2 flat = glm::mix(luff, OuterEdge(s), t);
  const float belly = 0.14f * std::sin(Pi * t) * std::sin(Pi * std::clamp(s * 1.3f, 0.0f, 1.0f));
  return {flat.x, flat.y, belly};
}

glm::vec2 SailUv(const glm::vec3& p) {
  const glm::vec2 local = (glm::vec2(p.x, p.y) - SailMin) / (SailMax - SailMin);
  const float px = SailX + local.x * (SailWidth - 1) + 0.5f;
  const float py = (1.0f - local.y) * (SailHeight - 1) + 0.5f;
  return {px / WindsurfTexturePixels, 1.0f - py / WindsurfTexturePixels};
}

TriangleList Sail() {
  TriangleList sail;
  constexpr int Along = 9;
  constexpr int Across = 5;
  for (int i = 0; i < Along; ++i) {
    for (int j = 0; j < Across; ++j) {
      const float s0 = static_cast<float>(i) / Along, s1 = static_cast<float>(i + 1) / Along;
      const float t0 = static_cast<float>(j) / Across, t1 = static_cast<float>(j + 1) / Across;
      const glm::vec3 quad[4] = {SailPoint(s0, t0), SailPoint(s0, t1), SailPoint(s1, t1), SailPoint(s1, t0)};
      for (const auto& [a, b, c] : {std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 3}}) {
        // Both sides: the cloth is seen from either tack.
        sail.push_back({{quad[a], quad[b], quad[c]}, {SailUv(quad[a]), SailUv(quad[b]), SailUv(quad[c])}});
        sail.push_back({{quad[a], quad[c], quad[b]}, {SailUv(quad[a]), SailUv(quad[c]), SailUv(quad[b])}});
      }
    }
  }
  return sail;
}

glm::vec3 SailColour(float x, float y) {
  static const glm::vec3 stripes[] = {{1.0f, 0.16f, 0.66f}, {1.0f, 0.46f, 0.20f}, {1.0f, 0.88f, 0.22f},
                                      {0.12f, 0.92f, 1.0f}, {0.50f, 0.22f, 0.95f}, {1.0f, 0.16f, 0.66f}};
  const float band = (y * 0.85f + x * 0.45f) * 5.0f;
  const int index = std::clamp(static_cast<int>(band), 0, 5);
  const float within = band - std::floor(band);
  const float seam = std::min(within, 1.0f - within) < 0.04f ? 0.45f : 1.0f;
  const float luffShade = 1.05f - 0.30f * x;  // the cloth turns away from the light towards the leech
  const float batten = std::fabs(std::fmod(y * 6.0f, 1.0f) - 0.5f) < 0.012f ? 1.25f : 1.0f;
  return glm::clamp(stripes[index] * seam * luffShade * batten, 0.0f, 1.0f);
}

void PaintSail(tools::Image& image) {
  for (int py = 0; py < SailHeight; ++py) {
    for (int px = 0; px < SailWidth; ++px) {
      const glm::vec3 colour = SailColour(px / float(SailWidth - 1), 1.0f - py / float(SailHeight - 1));
      uint8_t* pixel = image.Pixel(SailX + px, py);
      for (int c = 0; c < 3; ++c) pixel[c] = tools::ToByte(colour[c]);
    }
  }
}

}  // namespace

WindsurferAsset MakeWindsurfer() {
  FacetAtlas atlas(WindsurfTexturePixels, WindsurfTexturePixels, 0, 0, SailX, WindsurfTexturePixels);
  const RigMaterials materials = AddMaterials(atlas);
  PaintedList solid = Board(materials.board);
  Append(solid, Rig(materials.rig));
  Append(solid, Rider(materials));

  WindsurferAsset asset;
  asset.texture = tools::Image(WindsurfTexturePixels, WindsurfTexturePixels, 3);
  atlas.Paint(asset.texture);
  PaintSail(asset.texture);
  asset.triangles = atlas.Texture(solid, TowardsLight);
  Append(asset.triangles, Sail());
  return asset;
}

}  // namespace scenery
