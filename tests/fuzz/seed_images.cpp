// Writes the texture fuzzer's seed images, a few pixels each, one per format the decoder reads.
#include <stb_image_write.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SeedWidth = 3;
constexpr int SeedHeight = 2;

std::vector<uint8_t> Gradient(int channels) {
  std::vector<uint8_t> pixels;
  for (int i = 0; i < SeedWidth * SeedHeight * channels; ++i) pixels.push_back(static_cast<uint8_t>(30 + 37 * i));
  return pixels;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void AppendBigEndian(std::string& bytes, uint32_t value, int byteCount) {
  for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xff);
}

// Binary PNM: a text header, then the samples.
std::string Pnm(char kind, int channels) {
  const std::vector<uint8_t> pixels = Gradient(channels);
  std::string bytes = std::string("P") + kind + "\n" + std::to_string(SeedWidth) + " " + std::to_string(SeedHeight) +
                      "\n255\n";
  return bytes + std::string(pixels.begin(), pixels.end());
}

// Photoshop, RGB, 8 bits, raw planes, with empty mode, resource and layer sections.
std::string Psd() {
  std::string bytes = "8BPS";
  AppendBigEndian(bytes, 1, 2);
  bytes.append(6, '\0');
  AppendBigEndian(bytes, 3, 2);
  AppendBigEndian(bytes, SeedHeight, 4);
  AppendBigEndian(bytes, SeedWidth, 4);
  AppendBigEndian(bytes, 8, 2);
  AppendBigEndian(bytes, 3, 2);
  for (int section = 0; section < 3; ++section) AppendBigEndian(bytes, 0, 4);
  AppendBigEndian(bytes, 0, 2);
  const std::vector<uint8_t> planes = Gradient(3);
  return bytes + std::string(planes.begin(), planes.end());
}

// GIF89a, one pixel of a two-colour palette: LZW codes clear, 0, end in 3 bits each.
std::string Gif() {
  const uint8_t bytes[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,           // screen, 2 colours
                           0xff, 0x80, 0x00, 0x00, 0x40, 0xff,                              // palette
                           0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0,                                 // image descriptor
                           2, 2, 0x44, 0x01, 0,                                             // pixel data
                           0x3b};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof(bytes));
}

void WriteStbImages(const std::string& folder) {
  for (int channels = 1; channels <= 4; ++channels) {
    const std::string name = folder + "/png" + std::to_string(channels) + ".png";
    stbi_write_png(name.c_str(), SeedWidth, SeedHeight, channels, Gradient(channels).data(), SeedWidth * channels);
  }
  stbi_write_jpg((folder + "/rgb.jpg").c_str(), SeedWidth, SeedHeight, 3, Gradient(3).data(), 90);
  stbi_write_jpg((folder + "/grey.jpg").c_str(), SeedWidth, SeedHeight, 1, Gradient(1).data(), 90);
  stbi_write_bmp((folder + "/rgb.bmp").c_str(), SeedWidth, SeedHeight, 3, Gradient(3).data());
  stbi_write_bmp((folder + "/rgba.bmp").c_str(), SeedWidth, SeedHeight, 4, Gradient(4).data());
  stbi_write_tga_with_rle = 0;
  stbi_write_tga((folder + "/raw.tga").c_str(), SeedWidth, SeedHeight, 4, Gradient(4).data());
  stbi_write_tga_with_rle = 1;
  stbi_write_tga((folder + "/rle.tga").c_str(), SeedWidth, SeedHeight, 3, Gradient(3).data());
  const std::vector<float> radiance(SeedWidth * SeedHeight * 3, 0.75f);
  stbi_write_hdr((folder + "/flat.hdr").c_str(), SeedWidth, SeedHeight, 3, radiance.data());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  WriteStbImages(folder);
  WriteBytes(folder + "/grey.pgm", Pnm('5', 1));
  WriteBytes(folder + "/rgb.ppm", Pnm('6', 3));
  WriteBytes(folder + "/rgb.psd", Psd());
  WriteBytes(folder + "/pixel.gif", Gif());
  return 0;
}
