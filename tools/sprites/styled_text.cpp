// Styled text: fitted into its box, rasterised at 4x, decorated through a distance field, then
// box-filtered down and composited layer by layer.
#include "tools/sprites/styled_text.h"

#include <algorithm>
#include <cmath>

namespace sprites {
namespace {

constexpr int Supersample = 4;
constexpr float ReferencePixelHeight = 100.0f;

struct Placement {
  float pixelHeight;
  float penX;      // in box pixels
  float baseline;  // in box pixels
};

float DecorationPad(const TextStyle& style) {
  return style.outlineWidthPx + std::max(style.glowRadiusPx, style.shadowOffsetPx * 1.5f) + 1.0f;
}

Placement Fit(const Font& font, const std::string& text, const Box& box, const TextStyle& style, Align align,
              float maxPixelHeight) {
  const float pad = DecorationPad(style);
  const float roomW = box.width - 2 * pad, roomH = box.height - 2 * pad;
  const float tracking = style.trackingEm * ReferencePixelHeight;
  const InkBox ink = font.Measure(text, ReferencePixelHeight, tracking);
  const InkBox band = font.LetterBand(ReferencePixelHeight);
  float scale = std::min({roomW / ink.Width(), roomH / ink.Height(), roomH / band.Height()});
  if (maxPixelHeight > 0) scale = std::min(scale, maxPixelHeight / ReferencePixelHeight);
  const float inkW = ink.Width() * scale, inkH = ink.Height() * scale;
  const float left = align == Align::Centre ? (box.width - inkW) * 0.5f : pad;
  const float top = (box.height - inkH) * 0.5f;
  return Placement{ReferencePixelHeight * scale, left - ink.left * scale, top - ink.top * scale};
}

// Per-pixel opacities of the four layers, at 1x.
struct Layers {
  Mask shadow, glow, outline, fill;
};

Layers Decorate(const Mask& glyphs, const TextStyle& style) {
  const std::vector<float> distance = DistanceToCovered(glyphs, 0.5f);
  const int w = glyphs.width, h = glyphs.height;
  Mask outline(w, h), glow(w, h), shadow(w, h);
  const float outlineSs = style.outlineWidthPx * Supersample;
  const float glowSs = style.glowRadiusPx * Supersample;
  for (size_t i = 0; i < distance.size(); ++i) {
    const float d = distance[i];
    outline.values[i] = std::clamp(outlineSs + 0.5f - d, 0.0f, 1.0f);
    const float beyond = d - outlineSs;
    const float fallOff = glowSs > 0 ? std::clamp(1.0f - beyond / glowSs, 0.0f, 1.0f) : 0.0f;
    glow.values[i] = style.glowAlpha * fallOff * fallOff;
  }
  const int offset = static_cast<int>(std::lround(style.shadowOffsetPx * Supersample));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) shadow.At(x, y) = style.shadowAlpha * outline.Sample(x - offset, y - offset);
  return Layers{Downsample(shadow, Supersample), Downsample(glow, Supersample),
                Downsample(outline, Supersample), Downsample(glyphs, Supersample)};
}

void Composite(RgbaCanvas& canvas, const Box& box, const Layers& layers, const TextStyle& style,
               float capTop, float baseline) {
  for (int y = 0; y < box.height; ++y) {
    const glm::vec3 fill = style.fill.At((y + 0.5f - capTop) / (baseline - capTop));
    for (int x = 0; x < box.width; ++x) {
      const int cx = box.x + x, cy = box.y + y;
      canvas.Over(cx, cy, style.shadow, layers.shadow.At(x, y));
      canvas.Over(cx, cy, style.glow, layers.glow.At(x, y));
      canvas.Over(cx, cy, style.outline, layers.outline.At(x, y));
      canvas.Over(cx, cy, fill, layers.fill.At(x, y));
    }
  }
}

}  // namespace

float DrawStyledText(RgbaCanvas& canvas, const Font& font, const std::string& text, const Box& box,
                     const TextStyle& style, Align align, float maxPixelHeight) {
  const Placement at = Fit(font, text, box, style, align, maxPixelHeight);
  Mask glyphs(box.width * Supersample, box.height * Supersample);
  const float tracking = style.trackingEm * at.pixelHeight;
  font.Render(glyphs, text, at.penX * Supersample, at.baseline * Supersample, at.pixelHeight * Supersample,
              tracking * Supersample);
  const InkBox band = font.LetterBand(at.pixelHeight);
  Composite(canvas, box, Decorate(glyphs, style), style, at.baseline + band.top, at.baseline);
  return at.pixelHeight;
}

}  // namespace sprites
