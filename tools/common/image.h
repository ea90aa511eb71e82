// An 8-bit raster image with 1 to 4 channels and its colour, written out as PNG or JPEG.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// The colour of a pixel: its first three channels.
struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
};

struct Image {
  int width = 0;
  int height = 0;
  int channels = 4;
  std::vector<uint8_t> pixels;  // rows top first, tightly packed

  Image() = default;
  Image(int w, int h, int c) : width(w), height(h), channels(c), pixels(size_t(w) * h * c, 0) {}

  bool empty() const { return pixels.empty(); }
  // The pixel's `channels` bytes.
  uint8_t* Pixel(int x, int y) { return &pixels[(size_t(y) * width + x) * channels]; }
  const uint8_t* Pixel(int x, int y) const { return &pixels[(size_t(y) * width + x) * channels]; }
  // Colour access for images of three or four channels; Set leaves alpha as it is.
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb colour);
};

// Whether a writer that fails says so itself, or leaves it to a caller that reports in its own words.
enum OnWriteFailure { FailQuietly, ReportFailure };

// Both return false when the file cannot be written; with ReportFailure, after a "cannot write
// PATH" line on standard error.
bool WritePng(const std::string& path, const Image& image, OnWriteFailure onFailure);
bool WriteJpeg(const std::string& path, const Image& image, int quality, OnWriteFailure onFailure);

}  // namespace tools
