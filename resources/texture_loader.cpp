// Image textures: a decoded picture and its mipmap levels uploaded as a 2D texture.
#include <iostream>

#include "resources/resource_manager.h"

namespace {

// A picture larger than the driver takes is refused: its upload would fail and leave a texture
// with no pixels.
bool FitsInATexture(const ImageLevel& level) {
  GLint maxTextureSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
  return level.width <= maxTextureSize && level.height <= maxTextureSize;
}

// The levels were built with the decode, off the GL thread: generating them here would make the
// driver compile and run its own blit shaders while the show starts. The mipmapped filter is set
// first: told nothing, the driver stores level 0 alone and copies it again when level 1 arrives.
GLuint UploadImage(const DecodedImage& image, bool filterLinear) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  filterLinear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filterLinear ? GL_LINEAR : GL_NEAREST);
  const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
  // Rows are packed to the byte: an RGB row of odd width is not a multiple of four.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  GLint levelIndex = 0;
  for (const ImageLevel& level : image.levels) {
    glTexImage2D(GL_TEXTURE_2D, levelIndex++, static_cast<GLint>(format), level.width, level.height, 0, format,
                 GL_UNSIGNED_BYTE, level.pixels.data());
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  return name;
}

}  // namespace

void ResourceManager::PrefetchImages(const std::vector<std::string>& paths) { imagePrefetch.Start(paths); }

void ResourceManager::DropPrefetchedImages() { imagePrefetch.Drop(); }

bool ResourceManager::DecodeImage(const std::string& path, DecodedImage& image) {
  bool decoded = false;
  if (!imagePrefetch.Take(path, image, decoded)) decoded = DecodeImageFile(path, image);
  return decoded && FitsInATexture(image.levels.front());
}

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
  texture->width = image.levels.front().width;
  texture->height = image.levels.front().height;
  return gResourceManager->RegisterTexture(path, texture);
}
