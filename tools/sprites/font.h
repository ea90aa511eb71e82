// A font file read whole and set by stb_truetype: one line of text measured or rasterised.
#pragma once

#include <stb_truetype.h>

#include <string>
#include <vector>

#include "tools/sprites/mask.h"

namespace sprites {

// Pixel bounds, relative to the pen's start on the baseline, y growing downwards.
struct InkBox {
  float left = 0, top = 0, right = 0, bottom = 0;
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
};

class Font {
 public:
  // False, with `error` saying which file and why, when the file is missing or not a font.
  bool Load(const std::string& path, std::string& error);
  const std::string& path() const { return path_; }

  // The first character of `text` that the font cannot draw, or 0 when it draws them all.
  char32_t FirstMissingCharacter(const std::string& text) const;
  // Ink of one line set at `pixelHeight` (ascent to descent), glyphs `tracking` pixels apart.
  InkBox Measure(const std::string& text, float pixelHeight, float tracking) const;
  // Top of a capital H to the bottom of a g: the band every line of this font is fitted by.
  InkBox LetterBand(float pixelHeight) const;
  // Adds the line's coverage into `mask` (keeping the larger value where glyphs overlap).
  void Render(Mask& mask, const std::string& text, float penX, float baseline, float pixelHeight,
              float tracking) const;

 private:
  struct PlacedGlyph {
    int glyph;
    float x;
  };
  std::vector<PlacedGlyph> Layout(const std::string& text, float scale, float tracking) const;

  std::string path_;
  std::vector<unsigned char> bytes_;
  stbtt_fontinfo info_{};
};

// Code points of a UTF-8 string; a malformed byte stands for itself.
std::u32string DecodeUtf8(const std::string& text);

}  // namespace sprites
