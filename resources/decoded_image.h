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
// until a 1 x 1 level ends the chain. Three or four channels per pixel.
struct DecodedImage {
  int channels = 0;
  std::vector<ImageLevel> levels;
};

// Decodes `path` with stb_image and builds the mipmap chain; false when the file does not decode.
// Touches no GL, so it may run on any thread.
bool DecodeImageFile(const std::string& path, DecodedImage& image);

// The level below `level`: each pixel the rounded mean of the 2 x 2 block above it. A side of one
// pixel reads its only row or column twice; the last row or column of another odd side is left out.
ImageLevel HalveLevel(const ImageLevel& level, int channels);
