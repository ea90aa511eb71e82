// Laying thumbnails of the show out on one sheet.
#include "tools/capture/contact_sheet.h"

#include <algorithm>

#include "tools/capture/picture_edits.h"

namespace show_capture {

namespace {

constexpr int GapPx = 4;

}  // namespace

ContactSheet::ContactSheet(int columns, int cellWidth, int cellHeight)
    : columns_(columns), cellWidth_(cellWidth), cellHeight_(cellHeight) {}

void ContactSheet::Add(const tools::Image& picture) {
  cells_.push_back(Shrink(picture, cellWidth_, cellHeight_));
}

tools::Image ContactSheet::Picture() const {
  const int cells = count();
  if (cells == 0) return tools::Image();
  const int columns = std::min(columns_, cells);
  const int rows = (cells + columns_ - 1) / columns_;
  tools::Image sheet(GapPx + columns * (cellWidth_ + GapPx), GapPx + rows * (cellHeight_ + GapPx),
                     cells_.front().channels);
  for (int i = 0; i < cells; ++i) {
    const int x = GapPx + (i % columns_) * (cellWidth_ + GapPx);
    const int y = GapPx + (i / columns_) * (cellHeight_ + GapPx);
    Paste(sheet, cells_[static_cast<size_t>(i)], x, y);
  }
  return sheet;
}

}  // namespace show_capture
