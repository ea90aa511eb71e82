// Decoding image files with stb_image and building their mipmap chains on the CPU.
#include <stb_image.h>

#include <algorithm>
#include <cstddef>

#include "resources/decoded_image.h"

namespace {

// Each grey value is repeated for red, green and blue; a grey-alpha pixel keeps its alpha.
std::vector<unsigned char> WidenGrey(const unsigned char* grey, size_t pixelCount, int greyChannels) {
  const size_t step = static_cast<size_t>(greyChannels);
  std::vector<unsigned char> wide;
  wide.reserve(pixelCount * (step + 2));
  for (const unsigned char* pixel = grey; pixel != grey + pixelCount * step; pixel += step) {
    wide.insert(wide.end(), 3, pixel[0]);
    if (greyChannels == 2) wide.push_back(pixel[1]);
  }
  return wide;
}

// Grey and grey-plus-alpha files become RGB and RGBA, which the upload can take. They are widened
// here: asking stb_image for more channels sends 16-bit PNM files through a conversion that reads
// past its own buffer.
bool DecodeLevelZero(const std::string& path, DecodedImage& image) {
  ImageLevel level;
  int fileChannels = 0;
  unsigned char* decoded = stbi_load(path.c_str(), &level.width, &level.height, &fileChannels, 0);
  if (decoded == nullptr) return false;
  const size_t pixelCount = static_cast<size_t>(level.width) * static_cast<size_t>(level.height);
  if (fileChannels < 3) {
    level.pixels = WidenGrey(decoded, pixelCount, fileChannels);
    image.channels = fileChannels + 2;
  } else {
    level.pixels.assign(decoded, decoded + pixelCount * static_cast<size_t>(fileChannels));
    image.channels = fileChannels;
  }
  stbi_image_free(decoded);
  image.levels.clear();
  image.levels.push_back(std::move(level));
  return true;
}

// A picture with no pixels (some truncated headers decode so) has no levels below its first.
bool HasLevelBelow(const ImageLevel& level) {
  return level.width > 0 && level.height > 0 && (level.width > 1 || level.height > 1);
}

}  // namespace

ImageLevel HalveLevel(const ImageLevel& level, int channels) {
  ImageLevel half;
  half.width = std::max(1, level.width / 2);
  half.height = std::max(1, level.height / 2);
  half.pixels.resize(static_cast<size_t>(half.width) * static_cast<size_t>(half.height) *
                     static_cast<size_t>(channels));
  const auto rowBytes = static_cast<size_t>(level.width) * static_cast<size_t>(channels);
  const auto step = static_cast<size_t>(channels);
  unsigned char* out = half.pixels.data();
  for (int y = 0; y < half.height; ++y) {
    const unsigned char* upper = level.pixels.data() + static_cast<size_t>(2 * y) * rowBytes;
    const unsigned char* lower = level.height > 1 ? upper + rowBytes : upper;
    for (int x = 0; x < half.width; ++x) {
      const size_t left = static_cast<size_t>(2 * x) * step;
      const size_t right = level.width > 1 ? left + step : left;
      for (size_t c = 0; c < step; ++c) {
        const int sum = upper[left + c] + upper[right + c] + lower[left + c] + lower[right + c];
        *out++ = static_cast<unsigned char>((sum + 2) / 4);
      }
    }
  }
  return half;
}

bool DecodeImageFile(const std::string& path, DecodedImage& image) {
  if (!DecodeLevelZero(path, image)) return false;
  while (HasLevelBelow(image.levels.back())) {
    image.levels.push_back(HalveLevel(image.levels.back(), image.channels));
  }
  return true;
}
