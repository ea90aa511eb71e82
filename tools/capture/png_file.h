// Writing a picture as a PNG file.
#pragma once

#include <string>

#include "tools/capture/rgb_image.h"

namespace show_capture {

// False when the file cannot be written.
bool WritePng(const std::string& path, const RgbImage& image);

}  // namespace show_capture
