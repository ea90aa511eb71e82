// Flamingo geometry, part by part, painted with shaded plumage, dark flight feathers and a black-tipped beak.
#include "tools/scenery/flamingo.h"

#include <algorithm>
#include <cmath>

#include "tools/scenery/facet_atlas.h"
#include "tools/scenery/shapes.h"

namespace scenery {

namespace {

struct FlamingoMaterials {
  int plumage;
  int wing;
  int beak;
  int leg;
  int eye;
};

constexpr float Pi = 3.14159265f;
// Upper left, in front: the side the audience sees is lit, the tail falls into dusk.
const glm::vec3 TowardsLight(-0.5f, 0.75f, 0.6f);
// Turns the beak from -x a little towards the viewer; more would show one bird of the mirror pair
// head-on.
constexpr float HeadingRadians = 10.0f * Pi / 180.0f;
// Drops the model so that its middle, not its feet, sits at the origin: the show places it 0.3
// above the eye's height, and a bird standing there would lose its head off the top of the screen.
constexpr float OriginDropUnits = 0.85f;

glm::vec3 Blend(const glm::vec3& a, const glm::vec3& b, float t) { return a + (b - a) * std::clamp(t, 0.0f, 1.0f); }

glm::vec3 PlumageRamp(float g) {
  const glm::vec3 blush(1.0f, 0.80f, 0.86f), pink(1.0f, 0.50f, 0.70f), hot(0.98f, 0.24f, 0.60f);
  return g < 0.5f ? Blend(blush, pink, g * 2.0f) : Blend(pink, hot, (g - 0.5f) * 2.0f);
}

glm::vec3 WingRamp(float g) {
  const glm::vec3 coral(1.0f, 0.40f, 0.58f), crimson(0.86f, 0.12f, 0.36f), black(0.07f, 0.04f, 0.08f);
  return g < 0.6f ? Blend(coral, crimson, g / 0.6f) : black;
}

glm::vec3 BeakRamp(float g) {
  const glm::vec3 pale(0.98f, 0.88f, 0.86f), rose(0.95f, 0.60f, 0.66f), black(0.06f, 0.05f, 0.07f);
  return g < 0.55f ? Blend(pale, rose, g / 0.55f) : black;
}

glm::vec3 LegRamp(float g) { return Blend(glm::vec3(0.95f, 0.48f, 0.58f), glm::vec3(0.72f, 0.26f, 0.40f), g); }

glm::vec3 EyeRamp(float g) { return g < 0.5f ? glm::vec3(1.0f, 0.84f, 0.22f) : glm::vec3(0.04f, 0.03f, 0.05f); }

FlamingoMaterials AddMaterials(FacetAtlas& atlas) {
  return {atlas.AddMaterial(PlumageRamp, 8), atlas.AddMaterial(WingRamp, 8), atlas.AddMaterial(BeakRamp, 6),
          atlas.AddMaterial(LegRamp, 3), atlas.AddMaterial(EyeRamp, 2)};
}

// Catmull-Rom through the points, `perSpan` samples between neighbours, ends included.
std::vector<glm::vec3> SmoothPath(const std::vector<glm::vec3>& points, int perSpan) {
  std::vector<glm::vec3> path;
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const glm::vec3 p0 = points[i == 0 ? 0 : i - 1], p1 = points[i], p2 = points[i + 1];
    const glm::vec3 p3 = points[std::min(i + 2, points.size() - 1)];
    for (int k = 0; k < perSpan; ++k) {
      const float t = static_cast<float>(k) / perSpan;
      path.push_back(0.5f * ((2.0f * p1) + (-p0 + p2) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t * t +
                             (-p0 + 3.0f * p1 - 3.0f * p2 + p3) * t * t * t));
    }
  }
  path.push_back(points.back());
  return path;
}

PaintedList Body(int material) {
  std::vector<TubeRing> rings;
  constexpr int Rings = 12;
  for (int i = 0; i < Rings; ++i) {
    const float s = static_cast<float>(i) / (Rings - 1);
    const float bulge = std::pow(std::sin(Pi * (0.07f + 0.86f * s)), 0.65f) * (1.0f - 0.45f * s * s);
    const glm::vec3 center(-0.24f + 0.62f * s, 0.88f + 0.10f * s * s - 0.03f * std::sin(Pi * s), 0.0f);
    rings.push_back({center, glm::vec2(0.16f, 0.14f) * bulge, 0.0f});
  }
  TubeStyle style;
  style.sides = 12;
  style.material = material;
  style.startTipLength = 0.03f;
  style.endTipLength = 0.07f;
  style.normalHint = glm::vec3(0.0f, 1.0f, 0.0f);
  return Tube(rings, style);
}

PaintedList Wing(int material, float side) {
  std::vector<TubeRing> rings;
  constexpr int Rings = 8;
  for (int i = 0; i < Rings; ++i) {
    const float s = static_cast<float>(i) / (Rings - 1);
    const float fullness = std::sin(Pi * (0.12f + 0.8f * s));
    const glm::vec3 center(-0.15f + 0.63f * s, 0.96f + 0.06f * s * s, side * (0.105f + 0.02f * fullness - 0.06f * s * s));
    rings.push_back({center, glm::vec2(0.075f, 0.03f) * fullness, s});
  }
  TubeStyle style;
  style.sides = 6;
  style.material = material;
  style.endTipLength = 0.05f;
  style.normalHint = glm::vec3(0.0f, 1.0f, 0.0f);
  return Tube(rings, style);
}

PaintedList Neck(int material) {
  const std::vector<glm::vec3> spine =
      SmoothPath({{-0.15f, 0.95f, 0.0f}, {-0.27f, 1.04f, 0.0f}, {-0.31f, 1.16f, 0.0f}, {-0.25f, 1.27f, 0.0f},
                  {-0.17f, 1.36f, 0.0f}, {-0.17f, 1.44f, 0.0f}, {-0.19f, 1.49f, 0.0f}},
                 3);
  std::vector<TubeRing> rings;
  for (size_t i = 0; i < spine.size(); ++i) {
    const float s = static_cast<float>(i) / (spine.size() - 1);
    rings.push_back({spine[i], glm::vec2(0.058f - 0.026f * s), 0.0f});
  }
  TubeStyle style;
  style.sides = 7;
  style.material = material;
  style.capStart = false;
  style.capEnd = false;
  style.normalHint = glm::vec3(0.0f, 0.0f, 1.0f);
  return Tube(rings, style);
}

PaintedList Head(int material) {
  const float radii[] = {0.03f, 0.05f, 0.056f, 0.047f, 0.03f};
  std::vector<TubeRing> rings;
  for (int i = 0; i < 5; ++i) {
    rings.push_back({glm::vec3(-0.14f - 0.035f * i, 1.505f - 0.004f * i, 0.0f), glm::vec2(radii[i] * 0.95f, radii[i]), 0.0f});
  }
  TubeStyle style;
  style.sides = 8;
  style.material = material;
  style.startTipLength = 0.012f;
  style.normalHint = glm::vec3(0.0f, 1.0f, 0.0f);
  return Tube(rings, style);
}

PaintedList Beak(int material) {
  const std::vector<glm::vec3> spine = {{-0.275f, 1.497f, 0.0f}, {-0.315f, 1.492f, 0.0f}, {-0.347f, 1.475f, 0.0f},
                                        {-0.366f, 1.447f, 0.0f}, {-0.371f, 1.42f, 0.0f},  {-0.366f, 1.397f, 0.0f}};
  std::vector<TubeRing> rings;
  for (size_t i = 0; i < spine.size(); ++i) {
    const float s = static_cast<float>(i) / (spine.size() - 1);
    const float radius = 0.027f - 0.018f * s;
    rings.push_back({spine[i], glm::vec2(radius, radius * 0.8f), s});
  }
  TubeStyle style;
  style.sides = 7;
  style.material = material;
  style.capStart = false;
  style.endTipLength = 0.012f;
  style.normalHint = glm::vec3(0.0f, 1.0f, 0.0f);
  return Tube(rings, style);
}

PaintedList Eye(int material, float side) {
  const std::vector<TubeRing> rings = {{glm::vec3(-0.228f, 1.515f, side * 0.038f), glm::vec2(0.015f), 0.0f},
                                       {glm::vec3(-0.228f, 1.515f, side * 0.051f), glm::vec2(0.011f), 1.0f}};
  TubeStyle style;
  style.sides = 6;
  style.material = material;
  style.capStart = false;
  style.endTipLength = 0.003f;
  style.normalHint = glm::vec3(0.0f, 1.0f, 0.0f);
  return Tube(rings, style);
}

// A leg through the given joints; the thick rings (knees, hips) take the darker end of the ramp.
PaintedList Leg(int material, const std::vector<glm::vec3>& joints, const std::vector<float>& radii) {
  std::vector<TubeRing> rings;
  for (size_t i = 0; i < joints.size(); ++i) {
    rings.push_back({joints[i], glm::vec2(radii[i]), radii[i] > 0.02f ? 1.0f : 0.2f});
  }
  TubeStyle style;
  style.sides = 5;
  style.material = material;
  style.normalHint = glm::vec3(1.0f, 0.0f, 0.0f);
  return Tube(rings, style);
}

PaintedList Legs(int material) {
  PaintedList legs = Leg(material,
                         {{0.03f, 0.02f, 0.035f}, {0.03f, 0.22f, 0.035f}, {0.03f, 0.38f, 0.035f}, {0.03f, 0.41f, 0.035f},
                          {0.025f, 0.44f, 0.035f}, {0.02f, 0.62f, 0.035f}, {0.01f, 0.80f, 0.035f}},
                         {0.013f, 0.012f, 0.016f, 0.022f, 0.016f, 0.018f, 0.026f});
  Append(legs, Leg(material,
                   {{0.03f, 0.80f, -0.04f}, {-0.02f, 0.66f, -0.05f}, {-0.06f, 0.555f, -0.05f}, {-0.045f, 0.535f, -0.05f},
                    {0.05f, 0.59f, -0.05f}, {0.17f, 0.655f, -0.05f}},
                   {0.026f, 0.018f, 0.022f, 0.016f, 0.013f, 0.012f}));
  // Webbed feet: the standing one flat on the ground, the raised one hanging from the tucked leg.
  Append(legs, TwoSidedFan({{0.04f, 0.012f, 0.035f}, {-0.09f, 0.006f, -0.01f}, {-0.115f, 0.006f, 0.035f},
                            {-0.09f, 0.006f, 0.08f}},
                           material, 0.2f));
  Append(legs, TwoSidedFan({{0.165f, 0.65f, -0.05f}, {0.27f, 0.60f, -0.085f}, {0.285f, 0.59f, -0.05f},
                            {0.27f, 0.60f, -0.015f}},
                           material, 0.2f));
  return legs;
}

// Plumage is paler on the belly and deepens up the back and the neck.
void PaintPlumageByHeight(PaintedList& triangles, int plumage) {
  for (PaintedTriangle& t : triangles) {
    if (t.material != plumage) continue;
    const float y = (t.corner[0].y + t.corner[1].y + t.corner[2].y) / 3.0f;
    t.gradient = std::clamp((y - 0.76f) / 0.62f, 0.0f, 1.0f);
  }
}

}  // namespace

FlamingoAsset MakeFlamingo() {
  FacetAtlas atlas(FlamingoTexturePixels, FlamingoTexturePixels, 0, 0, FlamingoTexturePixels, FlamingoTexturePixels);
  const FlamingoMaterials materials = AddMaterials(atlas);
  PaintedList bird = Legs(materials.leg);
  Append(bird, Body(materials.plumage));
  Append(bird, Wing(materials.wing, 1.0f));
  Append(bird, Wing(materials.wing, -1.0f));
  Append(bird, Neck(materials.plumage));
  Append(bird, Head(materials.plumage));
  Append(bird, Beak(materials.beak));
  Append(bird, Eye(materials.eye, 1.0f));
  Append(bird, Eye(materials.eye, -1.0f));
  PaintPlumageByHeight(bird, materials.plumage);
  RotateAboutY(bird, HeadingRadians);
  for (PaintedTriangle& t : bird) {
    for (glm::vec3& p : t.corner) p.y -= OriginDropUnits;
  }

  FlamingoAsset asset;
  asset.texture = tools::Image(FlamingoTexturePixels, FlamingoTexturePixels, 3);
  atlas.Paint(asset.texture);
  asset.triangles = atlas.Texture(bird, TowardsLight);
  SortBottomToTop(asset.triangles);
  return asset;
}

}  // namespace scenery
