// Flipping, box-filter shrinking and pasting: the few edits the captures make to their pictures.
#pragma once

#include "tools/common/image.h"

namespace show_capture {

// The same picture upside down.
tools::Image FlipRows(const tools::Image& image);

// The picture scaled to width x height, each target pixel the mean of the source pixels it covers.
tools::Image Shrink(const tools::Image& image, int width, int height);

// Copies `part` into `canvas` (of as many channels) with its top-left corner at (x, y), clipped to the canvas.
void Paste(tools::Image& canvas, const tools::Image& part, int x, int y);

}  // namespace show_capture
