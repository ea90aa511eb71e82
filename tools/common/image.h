// An 8-bit raster image with 1 to 4 channels, written out as PNG or JPEG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct Image {
  int width = 0;
  int height = 0;
  int channels = 4;
  std::vector<uint8_t> pixels;  // rows top first, tightly packed

  Image() = default;
  Image(int w, int h, int c) : width(w), height(h), channels(c), pixels(size_t(w) * h * c, 0) {}
  uint8_t* At(int x, int y) { return &pixels[(size_t(y) * width + x) * channels]; }
  const uint8_t* At(int x, int y) const { return &pixels[(size_t(y) * width + x) * channels]; }
};

// Both return false (after a line on standard error) when the file cannot be written.
bool WritePng(const std::string& path, const Image& image);
bool WriteJpeg(const std::string& path, const Image& image, int quality);

}  // namespace tools
