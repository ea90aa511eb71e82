// Decoding image files with stb_image and building their mipmap chains on the CPU.
#include <stb_image.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// Filter weights in 256ths, the precision at which llvmpipe filters 8-bit texels.
constexpr unsigned WeightOne = 256;

// Where a pixel of the smaller level reads one side of the level above: between two neighbouring
// pixels, the second weighing `weight` 256ths.
struct Tap {
  size_t first;
  size_t second;
  unsigned weight;
};

// llvmpipe builds each level by a bilinear blit from the one above, reading at the centre of
// each smaller pixel, (i + 0.5) * aboveSide / belowSide pixels in: on an even side that is the
// midpoint of a pair, on an odd side the taps drift across it. Integer arithmetic, so that every
// thread and compiler rounds the weights alike.
std::vector<Tap> TapsAlong(int aboveSide, int belowSide) {
  const auto above = static_cast<int64_t>(aboveSide);
  const auto below = static_cast<int64_t>(belowSide);
  const auto one = static_cast<int64_t>(WeightOne);
  std::vector<Tap> taps;
  taps.reserve(static_cast<size_t>(belowSide));
  for (int64_t i = 0; i < below; ++i) {
    // In 256ths of a pixel past the first pixel's centre, rounded to the nearest.
    const int64_t position = (((2 * i + 1) * above - below) * one + below) / (2 * below);
    const int64_t first = position / one;
    taps.push_back({static_cast<size_t>(first), static_cast<size_t>(std::min(first + 1, above - 1)),
                    static_cast<unsigned>(position % one)});
  }
  return taps;
}

// One filter step as llvmpipe takes it, rounding halves up; the row is filtered across first,
// then down, so a 2 x 2 block rounds twice.
unsigned Mix(unsigned a, unsigned b, unsigned weight) {
  return (a * (WeightOne - weight) + b * weight + WeightOne / 2) / WeightOne;
}

}  // namespace

ImageLevel HalveLevel(const ImageLevel& level, int channels) {
  ImageLevel half;
  half.width = std::max(1, level.width / 2);
  half.height = std::max(1, level.height / 2);
  const auto step = static_cast<size_t>(channels);
  half.pixels.resize(static_cast<size_t>(half.width) * static_cast<size_t>(half.height) * step);
  const std::vector<Tap> columns = TapsAlong(level.width, half.width);
  const auto rowBytes = static_cast<size_t>(level.width) * step;
  unsigned char* out = half.pixels.data();
  for (const Tap& row : TapsAlong(level.height, half.height)) {
    const unsigned char* upper = level.pixels.data() + row.first * rowBytes;
    const unsigned char* lower = level.pixels.data() + row.second * rowBytes;
    for (const Tap& column : columns) {
      const size_t left = column.first * step;
      const size_t right = column.second * step;
      for (size_t c = 0; c < step; ++c) {
        const unsigned top = Mix(upper[left + c], upper[right + c], column.weight);
        const unsigned bottom = Mix(lower[left + c], lower[right + c], column.weight);
        *out++ = static_cast<unsigned char>(Mix(top, bottom, row.weight));
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
