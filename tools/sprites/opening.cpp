// The three title cards: the show's title, the small line under it, and the show's name.
#include "tools/sprites/looks.h"
#include "tools/sprites/sheets.h"

namespace sprites {

tools::Image MakeOpening(const SpriteTexts& texts, const FontSet& fonts) {
  RgbaCanvas canvas(OpeningWidth, OpeningHeight);
  auto card = [](int i) { return Box{0, OpeningCardTop[i], OpeningWidth, OpeningCardHeight[i]}; };

  DrawStyledText(canvas, fonts.script, texts.openingCards[0], card(0), MakeStyle(SunsetChrome(), NeonMagenta, 170),
                 Align::Centre, 0);
  TextStyle small = MakeStyle(IceNeon(), NeonCyan, 60, 0.7f);
  small.trackingEm = 0.22f;
  DrawStyledText(canvas, fonts.heavy, texts.openingCards[1], card(1), small, Align::Centre, 0);
  DrawStyledText(canvas, fonts.script, texts.openingCards[2], card(2), MakeStyle(Sunrise(), NeonCyan, 120),
                 Align::Centre, 0);
  return canvas.ToImage(Ink);
}

}  // namespace sprites
