// Font loading, line layout with kerning, and glyph rasterisation through stb_truetype.
#include "tools/sprites/font.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace sprites {

std::u32string DecodeUtf8(const std::string& text) {
  std::u32string out;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    bool valid = i + extra < text.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    out.push_back(valid ? code : lead);
    i += valid ? extra + 1 : 1;
  }
  return out;
}

bool Font::Load(const std::string& path, std::string& error) {
  path_ = path;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "missing font file " + path;
    return false;
  }
  bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  const int offset = stbtt_GetFontOffsetForIndex(bytes_.data(), 0);
  if (offset < 0 || stbtt_InitFont(&info_, bytes_.data(), offset) == 0) {
    error = "not a font file " + path;
    return false;
  }
  return true;
}

char32_t Font::FirstMissingCharacter(const std::string& text) const {
  for (char32_t code : DecodeUtf8(text)) {
    if (code != U' ' && stbtt_FindGlyphIndex(&info_, static_cast<int>(code)) == 0) return code;
  }
  return 0;
}

std::vector<Font::PlacedGlyph> Font::Layout(const std::string& text, float scale, float tracking) const {
  std::vector<PlacedGlyph> placed;
  float pen = 0.0f;
  int previous = 0;
  for (char32_t code : DecodeUtf8(text)) {
    const int glyph = stbtt_FindGlyphIndex(&info_, static_cast<int>(code));
    if (previous != 0) pen += scale * stbtt_GetGlyphKernAdvance(&info_, previous, glyph) + tracking;
    placed.push_back({glyph, pen});
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&info_, glyph, &advance, &bearing);
    pen += scale * advance;
    previous = glyph;
  }
  return placed;
}

InkBox Font::Measure(const std::string& text, float pixelHeight, float tracking) const {
  const float scale = stbtt_ScaleForPixelHeight(&info_, pixelHeight);
  InkBox box{1e9f, 1e9f, -1e9f, -1e9f};
  for (const PlacedGlyph& g : Layout(text, scale, tracking)) {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const float fraction = g.x - std::floor(g.x);
    stbtt_GetGlyphBitmapBoxSubpixel(&info_, g.glyph, scale, scale, fraction, 0.0f, &x0, &y0, &x1, &y1);
    if (x1 <= x0 || y1 <= y0) continue;
    const float base = std::floor(g.x);
    box.left = std::min(box.left, base + x0);
    box.right = std::max(box.right, base + x1);
    box.top = std::min(box.top, float(y0));
    box.bottom = std::max(box.bottom, float(y1));
  }
  return box.right < box.left ? InkBox{} : box;
}

InkBox Font::LetterBand(float pixelHeight) const {
  const InkBox capital = Measure("H", pixelHeight, 0.0f);
  const InkBox descender = Measure("g", pixelHeight, 0.0f);
  return InkBox{0.0f, capital.top, 0.0f, descender.bottom};
}

void Font::Render(Mask& mask, const std::string& text, float penX, float baseline, float pixelHeight,
                  float tracking) const {
  const float scale = stbtt_ScaleForPixelHeight(&info_, pixelHeight);
  const int baseY = static_cast<int>(std::floor(baseline));
  std::vector<unsigned char> bitmap;
  for (const PlacedGlyph& g : Layout(text, scale, tracking)) {
    const float x = penX + g.x;
    const float fraction = x - std::floor(x);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBoxSubpixel(&info_, g.glyph, scale, scale, fraction, 0.0f, &x0, &y0, &x1, &y1);
    const int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0) continue;
    bitmap.assign(static_cast<size_t>(w) * h, 0);
    stbtt_MakeGlyphBitmapSubpixel(&info_, bitmap.data(), w, h, w, scale, scale, fraction, 0.0f, g.glyph);
    const int left = static_cast<int>(std::floor(x)) + x0, top = baseY + y0;
    for (int y = 0; y < h; ++y) {
      for (int gx = 0; gx < w; ++gx) {
        const int mx = left + gx, my = top + y;
        if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
        float& cell = mask.At(mx, my);
        cell = std::max(cell, bitmap[size_t(y) * w + gx] / 255.0f);
      }
    }
  }
}

}  // namespace sprites
