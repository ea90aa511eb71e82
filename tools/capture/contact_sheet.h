// A grid of small pictures of the show, filled left to right, top to bottom.
#pragma once

#include <vector>

#include "tools/common/image.h"

namespace show_capture {

class ContactSheet {
 public:
  // Cells of cellWidth x cellHeight pixels, `columns` to a row, with a black gap between them.
  ContactSheet(int columns, int cellWidth, int cellHeight);

  // Shrinks the picture into the next cell.
  void Add(const tools::Image& picture);

  int count() const { return static_cast<int>(cells_.size()); }
  // The sheet with as many rows as the cells added need; empty before the first.
  tools::Image Picture() const;

 private:
  int columns_;
  int cellWidth_;
  int cellHeight_;
  std::vector<tools::Image> cells_;
};

}  // namespace show_capture
