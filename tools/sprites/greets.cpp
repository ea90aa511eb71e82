// The greetings atlas: one greeting a cell, column n / 19 and row n mod 19 for greeting n.
#include "tools/sprites/looks.h"
#include "tools/sprites/sheets.h"

namespace sprites {
namespace {

// Cells keep clear rows and columns at their edges, so nearest sampling at a cell's border
// never picks up the neighbour's text.
constexpr int CellMarginPx = 2;

TextStyle GreetStyle(int n) {
  static const glm::vec3 glows[3] = {NeonMagenta, NeonCyan, SunOrange};
  Gradient fills[3] = {IceNeon(), PinkNeon(), Sunrise()};
  return MakeStyle(fills[n % 3], glows[n % 3], 40, 0.6f);
}

}  // namespace

tools::Image MakeGreets(const SpriteTexts& texts, const FontSet& fonts) {
  RgbaCanvas canvas(GreetCellWidth * GreetColumns, GreetCellHeight * GreetRows);
  for (int n = 0; n < static_cast<int>(texts.greetings.size()); ++n) {
    const Box cell{(n / GreetRows) * GreetCellWidth + CellMarginPx, (n % GreetRows) * GreetCellHeight + CellMarginPx,
                   GreetCellWidth - 2 * CellMarginPx, GreetCellHeight - 2 * CellMarginPx};
    DrawStyledText(canvas, fonts.bold, texts.greetings[n], cell, GreetStyle(n), Align::Centre, 0);
  }
  return canvas.ToImage(Ink);
}

}  // namespace sprites
