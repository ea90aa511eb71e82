// PNG and JPEG output through stb_image_write.
#include "tools/common/image.h"

#include <stb_image_write.h>

#include <cstdio>

namespace tools {

bool WritePng(const std::string& path, const Image& image) {
  int ok = stbi_write_png(path.c_str(), image.width, image.height, image.channels, image.pixels.data(),
                          image.width * image.channels);
  if (ok == 0) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok != 0;
}

bool WriteJpeg(const std::string& path, const Image& image, int quality) {
  int ok = stbi_write_jpg(path.c_str(), image.width, image.height, image.channels, image.pixels.data(), quality);
  if (ok == 0) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok != 0;
}

}  // namespace tools
