// Image textures: decoding a file with stb_image and uploading it as a mipmapped 2D texture.
#include <stb_image.h>

#include <iostream>

#include "resources/resource_manager.h"

namespace {

// Decoded pixels, tightly packed, top row first, with three or four channels.
struct DecodedImage {
  unsigned char* pixels = nullptr;
  int width = 0;
  int height = 0;
  int channels = 0;
};

// Grey and grey-plus-alpha files are decoded again as RGB and RGBA, which the upload can take.
DecodedImage DecodeImage(const std::string& path) {
  DecodedImage image;
  int fileChannels = 0;
  image.pixels = stbi_load(path.c_str(), &image.width, &image.height, &fileChannels, 0);
  image.channels = fileChannels;
  if (image.pixels != nullptr && fileChannels < 3) {
    stbi_image_free(image.pixels);
    image.channels = fileChannels + 2;
    image.pixels = stbi_load(path.c_str(), &image.width, &image.height, &fileChannels, image.channels);
  }
  return image;
}

GLuint UploadImage(const DecodedImage& image, bool filterLinear) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
  // Rows are packed to the byte: an RGB row of odd width is not a multiple of four.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
               GL_UNSIGNED_BYTE, image.pixels);
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
  const DecodedImage image = DecodeImage(path);
  if (image.pixels == nullptr) {
    std::cerr << "Error when loading image: " << path << ": stbi_load ERROR." << std::endl;
    return -1;
  }
  const GLuint name = UploadImage(image, gResourceManager->filterLinear != 0);
  stbi_image_free(image.pixels);
  if (name == 0) std::cerr << "Imposible crear textura: " << path << std::endl;
  Texture* texture = new Texture();
  texture->texture = name;
  texture->width = image.width;
  texture->height = image.height;
  return gResourceManager->RegisterTexture(path, texture);
}
