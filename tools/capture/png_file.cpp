// PNG output through stb_image_write.
#include "tools/capture/png_file.h"

#include <stb_image_write.h>

namespace show_capture {

bool WritePng(const std::string& path, const RgbImage& image) {
  constexpr int Components = 3;
  return stbi_write_png(path.c_str(), image.width, image.height, Components, image.bytes.data(),
                        image.width * Components) != 0;
}

}  // namespace show_capture
