// Pixel access, flipping, box-filter shrinking and pasting of RGB pictures.
#include "tools/capture/rgb_image.h"

#include <algorithm>
#include <cstring>

namespace show_capture {

namespace {

size_t Offset(const RgbImage& image, int x, int y) {
  return (static_cast<size_t>(y) * image.width + x) * 3;
}

// Source span [first, last) that target index `i` of `count` covers in a source of `size`.
void SourceSpan(int i, int count, int size, int& first, int& last) {
  first = static_cast<int>(static_cast<int64_t>(i) * size / count);
  last = std::max(first + 1, static_cast<int>(static_cast<int64_t>(i + 1) * size / count));
}

Rgb MeanOf(const RgbImage& image, int x0, int x1, int y0, int y1) {
  uint64_t sum[3] = {0, 0, 0};
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const uint8_t* p = &image.bytes[Offset(image, x, y)];
      for (int c = 0; c < 3; ++c) sum[c] += p[c];
    }
  }
  const uint64_t n = static_cast<uint64_t>(x1 - x0) * (y1 - y0);
  return {static_cast<uint8_t>(sum[0] / n), static_cast<uint8_t>(sum[1] / n), static_cast<uint8_t>(sum[2] / n)};
}

}  // namespace

Rgb RgbImage::At(int x, int y) const {
  const uint8_t* p = &bytes[Offset(*this, x, y)];
  return {p[0], p[1], p[2]};
}

void RgbImage::Set(int x, int y, Rgb colour) {
  uint8_t* p = &bytes[Offset(*this, x, y)];
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

RgbImage FlipRows(const RgbImage& image) {
  RgbImage flipped(image.width, image.height);
  const size_t rowBytes = static_cast<size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(&flipped.bytes[Offset(flipped, 0, image.height - 1 - y)], &image.bytes[Offset(image, 0, y)], rowBytes);
  }
  return flipped;
}

RgbImage Shrink(const RgbImage& image, int width, int height) {
  RgbImage small(width, height);
  for (int y = 0; y < height; ++y) {
    int y0 = 0, y1 = 0;
    SourceSpan(y, height, image.height, y0, y1);
    for (int x = 0; x < width; ++x) {
      int x0 = 0, x1 = 0;
      SourceSpan(x, width, image.width, x0, x1);
      small.Set(x, y, MeanOf(image, x0, std::min(x1, image.width), y0, std::min(y1, image.height)));
    }
  }
  return small;
}

void Paste(RgbImage& canvas, const RgbImage& part, int x, int y) {
  for (int row = 0; row < part.height; ++row) {
    const int cy = y + row;
    if (cy < 0 || cy >= canvas.height) continue;
    for (int column = 0; column < part.width; ++column) {
      const int cx = x + column;
      if (cx >= 0 && cx < canvas.width) canvas.Set(cx, cy, part.At(column, row));
    }
  }
}

}  // namespace show_capture
