// Truncation, garbage, re-encoded images and edited text, for feeding the show broken files.
#include "broken_files.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <memory>

namespace brisa_test {

namespace {

// PNG signature (8), IHDR length and type (8), then width and height, big-endian.
constexpr size_t PngWidthOffset = 16;
constexpr size_t PngHeightOffset = 20;
constexpr int JpegQuality = 90;
constexpr size_t NonAsciiLineLength = 61;
constexpr int NonAsciiLineCount = 40;

struct Decoded {
  std::unique_ptr<unsigned char, void (*)(void*)> pixels{nullptr, stbi_image_free};
  int width = 0;
  int height = 0;
};

Decoded Decode(const std::string& bytes, int channels) {
  Decoded image;
  int fileChannels = 0;
  image.pixels.reset(stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                           static_cast<int>(bytes.size()), &image.width, &image.height,
                                           &fileChannels, channels));
  return image;
}

void AppendTo(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

void PutBigEndian32(std::string& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + static_cast<size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
}

}  // namespace

std::string FirstHalf(const std::string& bytes) { return bytes.substr(0, bytes.size() / 2); }

std::string WithoutLastBytes(const std::string& bytes, size_t count) {
  return bytes.substr(0, bytes.size() > count ? bytes.size() - count : 0);
}

std::string Garbage(size_t size) {
  std::string bytes;
  uint32_t state = 12345;
  for (size_t i = 0; i < size; ++i) {
    state = state * 1103515245u + 12345u;
    bytes.push_back(static_cast<char>(state >> 16));
  }
  return bytes;
}

std::string NonAsciiLines() {
  const std::string garbage = Garbage(NonAsciiLineLength * NonAsciiLineCount);
  std::string text;
  for (size_t i = 0; i < garbage.size(); ++i) {
    text.push_back(static_cast<char>(static_cast<unsigned char>(garbage[i]) | 0x80));
    if (i % NonAsciiLineLength == NonAsciiLineLength - 1) text.push_back('\n');
  }
  return text;
}

std::string GreyPng(const std::string& imageBytes, int channels) {
  const Decoded image = Decode(imageBytes, channels);
  std::string png;
  if (image.pixels) {
    stbi_write_png_to_func(AppendTo, &png, image.width, image.height, channels, image.pixels.get(),
                           image.width * channels);
  }
  return png;
}

std::string GreyJpeg(const std::string& imageBytes) {
  const Decoded image = Decode(imageBytes, 1);
  std::string jpeg;
  if (image.pixels) {
    stbi_write_jpg_to_func(AppendTo, &jpeg, image.width, image.height, 1, image.pixels.get(), JpegQuality);
  }
  return jpeg;
}

std::string OddWidthRgbPng(const std::string& imageBytes) {
  const Decoded image = Decode(imageBytes, 3);
  std::string png;
  if (image.pixels) {
    stbi_write_png_to_func(AppendTo, &png, image.width - 1, image.height - 1, 3, image.pixels.get(), image.width * 3);
  }
  return png;
}

std::string PngDeclaring(uint32_t width, uint32_t height) {
  const unsigned char pixel[4] = {255, 0, 255, 255};
  std::string png;
  stbi_write_png_to_func(AppendTo, &png, 1, 1, 4, pixel, 4);
  PutBigEndian32(png, PngWidthOffset, width);
  PutBigEndian32(png, PngHeightOffset, height);
  return png;
}

std::string WithLineAppended(const std::string& text, const std::string& line) {
  const bool endsLine = text.empty() || text.back() == '\n';
  return text + (endsLine ? "" : "\n") + line + "\n";
}

}  // namespace brisa_test
