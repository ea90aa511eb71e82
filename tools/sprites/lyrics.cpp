// The four lyric lines, each a strip that scrolls in from the right edge of the screen.
#include "tools/sprites/looks.h"
#include "tools/sprites/sheets.h"

namespace sprites {

tools::Image MakeLyrics(const SpriteTexts& texts, const FontSet& fonts) {
  RgbaCanvas canvas(LyricWidth, LyricHeight * LyricCount);
  const TextStyle style = MakeStyle(PinkNeon(), NeonCyan, 40, 0.6f);
  for (int i = 0; i < LyricCount; ++i) {
    const Box strip{0, i * LyricHeight, LyricWidth, LyricHeight};
    DrawStyledText(canvas, fonts.bold, texts.lyrics[i], strip, style, Align::Left, 0);
  }
  return canvas.ToImage(Ink);
}

}  // namespace sprites
