// Row flipping, box-filter shrinking and clipped pasting of pictures, channel by channel.
#include "tools/capture/picture_edits.h"

#include <algorithm>
#include <cstring>

namespace show_capture {

namespace {

constexpr int MostChannels = 4;

// Source span [first, last) that target index `i` of `count` covers in a source of `size`.
void SourceSpan(int i, int count, int size, int& first, int& last) {
  first = static_cast<int>(static_cast<int64_t>(i) * size / count);
  last = std::max(first + 1, static_cast<int>(static_cast<int64_t>(i + 1) * size / count));
}

void MeanOf(const tools::Image& image, int x0, int x1, int y0, int y1, uint8_t* mean) {
  uint64_t sum[MostChannels] = {0, 0, 0, 0};
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const uint8_t* p = image.Pixel(x, y);
      for (int c = 0; c < image.channels; ++c) sum[c] += p[c];
    }
  }
  const uint64_t n = static_cast<uint64_t>(x1 - x0) * (y1 - y0);
  for (int c = 0; c < image.channels; ++c) mean[c] = static_cast<uint8_t>(sum[c] / n);
}

}  // namespace

tools::Image FlipRows(const tools::Image& image) {
  tools::Image flipped(image.width, image.height, image.channels);
  const size_t rowBytes = static_cast<size_t>(image.width) * image.channels;
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(flipped.Pixel(0, image.height - 1 - y), image.Pixel(0, y), rowBytes);
  }
  return flipped;
}

tools::Image Shrink(const tools::Image& image, int width, int height) {
  tools::Image small(width, height, image.channels);
  for (int y = 0; y < height; ++y) {
    int y0 = 0, y1 = 0;
    SourceSpan(y, height, image.height, y0, y1);
    for (int x = 0; x < width; ++x) {
      int x0 = 0, x1 = 0;
      SourceSpan(x, width, image.width, x0, x1);
      MeanOf(image, x0, std::min(x1, image.width), y0, std::min(y1, image.height), small.Pixel(x, y));
    }
  }
  return small;
}

void Paste(tools::Image& canvas, const tools::Image& part, int x, int y) {
  for (int row = 0; row < part.height; ++row) {
    const int cy = y + row;
    if (cy < 0 || cy >= canvas.height) continue;
    for (int column = 0; column < part.width; ++column) {
      const int cx = x + column;
      if (cx >= 0 && cx < canvas.width) std::memcpy(canvas.Pixel(cx, cy), part.Pixel(column, row), part.channels);
    }
  }
}

}  // namespace show_capture
