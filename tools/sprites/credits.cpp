// The credits strip: three titles in neon capitals over two names in script.
#include "tools/sprites/looks.h"
#include "tools/sprites/sheets.h"

namespace sprites {

tools::Image MakeCredits(const SpriteTexts& texts, const FontSet& fonts) {
  RgbaCanvas canvas(CreditsWidth, CreditsHeight);
  TextStyle title = MakeStyle(IceNeon(), NeonCyan, 36, 0.7f);
  title.trackingEm = 0.3f;
  for (int i = 0; i < 3; ++i) {
    const Box row{0, i * CreditTitleHeight, CreditsWidth, CreditTitleHeight};
    DrawStyledText(canvas, fonts.heavy, texts.creditTitles[i], row, title, Align::Centre, 0);
  }
  const TextStyle name = MakeStyle(SunsetChrome(), NeonMagenta, 52);
  for (int i = 0; i < 2; ++i) {
    const Box row{0, CreditNameTop + i * CreditNameHeight, CreditsWidth, CreditNameHeight};
    DrawStyledText(canvas, fonts.script, texts.creditNames[i], row, name, Align::Centre, 0);
  }
  return canvas.ToImage(Ink);
}

}  // namespace sprites
