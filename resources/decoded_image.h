// Pictures decoded on the CPU, with every mipmap level, ready for the GL upload.
#pragma once

#include <string>
#include <vector>

// One level of a picture: tightly packed rows, top row first.
struct ImageLevel {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
};

// levels[0] is the picture as decoded; each next level halves it (rounding down, at least 1)
// until a 1 x 1 level ends the chain, and holds what llvmpipe's glGenerateMipmap makes of the level
// above (another driver may filter otherwise). Three or four channels per pixel.
struct DecodedImage {
  int channels = 0;
  std::vector<ImageLevel> levels;
};

// Decodes `path` with stb_image and builds the mipmap chain; false when the file does not decode.
// Touches no GL, so it may run on any thread.
bool DecodeImageFile(const std::string& path, DecodedImage& image);

// The level below `level`, filtered as Mesa's mipmap blit filters it: each pixel reads the level
// above bilinearly at its own centre, clamped to the edge, with weights in 256ths, across and then
// down, each step rounding halves up. On an even side that is the 2 x 2 block below the pixel; on
// an odd side the reads drift across it and still reach its last row and column.
ImageLevel HalveLevel(const ImageLevel& level, int channels);
