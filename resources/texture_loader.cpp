// Image textures: decoding a file with stb_image and uploading it as a mipmapped 2D texture.
#include <stb_image.h>

#include <cstddef>
#include <iostream>
#include <vector>

#include "resources/resource_manager.h"

namespace {

// Decoded pixels, tightly packed, top row first, with three or four channels.
struct DecodedImage {
  std::vector<unsigned char> pixels;
  int width = 0;
  int height = 0;
  int channels = 0;
};

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

// A picture larger than the driver takes is refused: its upload would fail and leave a texture
// with no pixels.
bool FitsInATexture(int width, int height) {
  GLint maxTextureSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
  return width <= maxTextureSize && height <= maxTextureSize;
}

// Grey and grey-plus-alpha files become RGB and RGBA, which the upload can take. They are widened
// here: asking stb_image for more channels sends 16-bit PNM files through a conversion that reads
// past its own buffer.
bool DecodeImage(const std::string& path, DecodedImage& image) {
  int fileChannels = 0;
  unsigned char* decoded = stbi_load(path.c_str(), &image.width, &image.height, &fileChannels, 0);
  if (decoded == nullptr) return false;
  if (!FitsInATexture(image.width, image.height)) {
    stbi_image_free(decoded);
    return false;
  }
  const size_t pixelCount = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  if (fileChannels < 3) {
    image.pixels = WidenGrey(decoded, pixelCount, fileChannels);
    image.channels = fileChannels + 2;
  } else {
    image.pixels.assign(decoded, decoded + pixelCount * static_cast<size_t>(fileChannels));
    image.channels = fileChannels;
  }
  stbi_image_free(decoded);
  return true;
}

GLuint UploadImage(const DecodedImage& image, bool filterLinear) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
  // Rows are packed to the byte: an RGB row of odd width is not a multiple of four.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
               GL_UNSIGNED_BYTE, image.pixels.data());
  glGenerateMipmap(GL_TEXTURE_2D);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  filterLinear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filterLinear ? GL_LINEAR : GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, 0);
  return name;
}

}  // namespace

int ResourceManager::CreateTextureFromFile(const std::string& path) {
  DecodedImage image;
  if (!DecodeImage(path, image)) {
    std::cerr << "Error when loading image: " << path << ": stbi_load ERROR." << std::endl;
    return -1;
  }
  const GLuint name = UploadImage(image, gResourceManager->filterLinear != 0);
  if (name == 0) std::cerr << "Imposible crear textura: " << path << std::endl;
  Texture* texture = new Texture();
  texture->texture = name;
  texture->width = image.width;
  texture->height = image.height;
  return gResourceManager->RegisterTexture(path, texture);
}
