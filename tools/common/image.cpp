// Colour access to the image's pixels, and PNG and JPEG output through stb_image_write.
#include "tools/common/image.h"

#include <stb_image_write.h>

#include <cstdio>

namespace tools {

namespace {

bool Written(int stbResult, const std::string& path, OnWriteFailure onFailure) {
  if (stbResult == 0 && onFailure == ReportFailure) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return stbResult != 0;
}

}  // namespace

Rgb Image::At(int x, int y) const {
  const uint8_t* p = Pixel(x, y);
  return {p[0], p[1], p[2]};
}

void Image::Set(int x, int y, Rgb colour) {
  uint8_t* p = Pixel(x, y);
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

bool WritePng(const std::string& path, const Image& image, OnWriteFailure onFailure) {
  return Written(stbi_write_png(path.c_str(), image.width, image.height, image.channels, image.pixels.data(),
                                image.width * image.channels),
                 path, onFailure);
}

bool WriteJpeg(const std::string& path, const Image& image, int quality, OnWriteFailure onFailure) {
  return Written(
      stbi_write_jpg(path.c_str(), image.width, image.height, image.channels, image.pixels.data(), quality), path,
      onFailure);
}

}  // namespace tools
