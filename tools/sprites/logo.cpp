// The six-colour logo: a striped sunset sun between two neon palms, a chrome block word and a
// script word across it.
#include <algorithm>
#include <cmath>

#include "tools/common/colour.h"
#include "tools/sprites/looks.h"
#include "tools/sprites/palette_canvas.h"
#include "tools/sprites/sheets.h"

namespace sprites {
namespace {

enum : uint8_t { InkIndex = 1, WhiteIndex, CyanIndex, PinkIndex, OrangeIndex, YellowIndex };

const std::vector<glm::vec3>& LogoPalette() {
  static const std::vector<glm::vec3> palette = {Ink, tools::Hex(0xffffff), NeonCyan, HotPink, SunOrange, SunYellow};
  return palette;
}

constexpr int ArtHeight = LogoHeight - LogoTop;

std::vector<Point> Rectangle(float x0, float y0, float x1, float y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// Glyph coverage at sample resolution, the ink box centred on (cx, cy) and as large as fits
// `widthPx` x `heightPx`. Returns the distance of every sample to the glyphs.
std::vector<float> SetWord(const PaletteCanvas& art, const Font& font, const std::string& text, float cx, float cy,
                           float widthPx, float heightPx) {
  constexpr float reference = 100.0f;
  const InkBox ink = font.Measure(text, reference, 0.0f);
  const float scale = std::min(widthPx / ink.Width(), heightPx / ink.Height()) * PaletteCanvas::Supersample;
  Mask glyphs(art.sampleWidth(), art.sampleHeight());
  const float penX = cx * PaletteCanvas::Supersample - (ink.left + ink.Width() * 0.5f) * scale;
  const float baseline = cy * PaletteCanvas::Supersample - (ink.top + ink.Height() * 0.5f) * scale;
  font.Render(glyphs, text, penX, baseline, reference * scale, 0.0f);
  return DistanceToCovered(glyphs, 0.5f);
}

void DrawSun(PaletteCanvas& art, float cx, float cy, float r) {
  art.FillPolygon(Ellipse(cx, cy, r + 6, r + 6), InkIndex);
  const std::vector<Point> disc = Ellipse(cx, cy, r, r);
  art.FillPolygon(disc, PinkIndex);
  art.FillPolygon(Rectangle(cx - r, cy - r, cx + r, cy + r * 0.15f), OrangeIndex, PinkIndex);
  art.FillPolygon(Rectangle(cx - r, cy - r, cx + r, cy - r * 0.45f), YellowIndex, OrangeIndex);
  for (int i = 0; i < 6; ++i) {  // the slits of a retro sun, wider towards the horizon
    const float top = cy + r * 0.05f + i * r * 0.16f, thickness = 5.0f + i * 3.0f;
    art.FillPolygon(Rectangle(cx - r - 8, top, cx + r + 8, top + thickness), Clear);
  }
}

void DrawPalm(PaletteCanvas& art, Point base, Point crown, float lean) {
  std::vector<CurvePoint> spine = {{base.x, base.y},
                                   {(base.x + crown.x) * 0.5f + lean, (base.y + crown.y) * 0.5f},
                                   {crown.x, crown.y}};
  const std::vector<Point> trunk = SmoothCurve(spine, false);
  art.StrokeLine(trunk, 13.0f, CyanIndex);
  art.StrokeLine(trunk, 9.0f, InkIndex);
  // Fronds arch up and out from the crown, then droop at their tips.
  const float angles[] = {-175, -150, -120, -60, -30, -5};
  for (float a : angles) {
    const float rad = a * 0.017453292f;
    const Point tip{crown.x + std::cos(rad) * 135.0f, crown.y + std::sin(rad) * 80.0f + 55.0f};
    art.FillOutlined(Feather(crown, tip, 36.0f, std::cos(rad) < 0 ? 30.0f : -30.0f), InkIndex, CyanIndex, 4.0f);
  }
}

void DrawBlockWord(PaletteCanvas& art, const Font& font, const std::string& word) {
  const float cy = 165.0f, height = 150.0f;
  const std::vector<float> distance = SetWord(art, font, word, 540.0f, cy, 900.0f, height);
  for (int step = 12; step >= 1; --step) art.FillNear(distance, 5.0f, InkIndex, step * 0.9f, step * 0.9f);
  art.FillNear(distance, 5.0f, InkIndex);
  art.FillNear(distance, 0.0f, CyanIndex);
  art.FillPolygon(Rectangle(0, 0, LogoWidth, cy - 4.0f), WhiteIndex, CyanIndex);
  art.FillPolygon(Rectangle(0, cy + 30.0f, LogoWidth, cy + 36.0f), WhiteIndex, CyanIndex);
}

void DrawScriptWord(PaletteCanvas& art, const Font& font, const std::string& word) {
  const std::vector<float> distance = SetWord(art, font, word, 600.0f, 318.0f, 500.0f, 172.0f);
  art.FillNear(distance, 10.0f, WhiteIndex, 5.0f, 5.0f);
  art.FillNear(distance, 13.0f, WhiteIndex);
  art.FillNear(distance, 7.0f, InkIndex);
  art.FillNear(distance, 0.0f, PinkIndex);
}

}  // namespace

tools::Image MakeLogo(const SpriteTexts& texts, const FontSet& fonts) {
  PaletteCanvas art(LogoWidth, ArtHeight);
  DrawSun(art, 540.0f, 190.0f, 175.0f);
  DrawPalm(art, Point{150.0f, 405.0f}, Point{170.0f, 150.0f}, -40.0f);
  DrawPalm(art, Point{930.0f, 405.0f}, Point{905.0f, 170.0f}, 40.0f);
  DrawBlockWord(art, fonts.heavy, texts.logo[0]);
  DrawScriptWord(art, fonts.script, texts.logo[1]);
  const tools::Image resolved = art.Resolve(LogoPalette(), InkIndex);

  // Above the logo the sheet is transparent, in the matte colour like every clear pixel.
  tools::Image image(LogoWidth, LogoHeight, 4);
  const uint8_t matte[4] = {tools::ToByte(Ink.r), tools::ToByte(Ink.g), tools::ToByte(Ink.b), 0};
  for (int y = 0; y < LogoHeight; ++y) {
    for (int x = 0; x < LogoWidth; ++x) {
      const uint8_t* from = y >= LogoTop ? resolved.Pixel(x, y - LogoTop) : matte;
      std::copy(from, from + 4, image.Pixel(x, y));
    }
  }
  return image;
}

}  // namespace sprites
