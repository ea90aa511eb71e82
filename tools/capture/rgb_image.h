// A picture as plain RGB bytes, top row first, with the few operations the captures need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace show_capture {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
};

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;  // 3 per pixel, rows top to bottom

  RgbImage() = default;
  RgbImage(int w, int h) : width(w), height(h), bytes(static_cast<size_t>(w) * h * 3, 0) {}

  bool empty() const { return bytes.empty(); }
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb colour);
};

// The same picture upside down.
RgbImage FlipRows(const RgbImage& image);

// The picture scaled to width x height, each target pixel the mean of the source pixels it covers.
RgbImage Shrink(const RgbImage& image, int width, int height);

// Copies `part` into `canvas` with its top-left corner at (x, y), clipped to the canvas.
void Paste(RgbImage& canvas, const RgbImage& part, int x, int y);

}  // namespace show_capture
