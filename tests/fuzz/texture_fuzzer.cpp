// libFuzzer target: any bytes as an image file, through GetTexture and CreateTextureFromFile on the driver.
#include <stb_image.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_harness.h"
#include "gl_read_guard.h"
#include "resources/resource_manager.h"

namespace {

using brisa_fuzz::Require;

const brisa_fuzz::ScratchFile* inputFile = nullptr;

// The image as the decoder itself sees it, the oracle for what the loader must make of it.
struct DecodedSize {
  bool decodable = false;
  int width = 0;
  int height = 0;
  int channels = 0;
};

// From the file, as the loader reads it: stb_image answers a few truncated headers differently from
// memory (a 0 x 0 picture there, a refusal here).
DecodedSize Decode(const std::string& path) {
  DecodedSize image;
  stbi_uc* pixels = stbi_load(path.c_str(), &image.width, &image.height, &image.channels, 0);
  GLint maxTextureSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
  // The loader refuses what the driver could not take, like what the decoder refuses.
  image.decodable = pixels != nullptr && image.width <= maxTextureSize && image.height <= maxTextureSize;
  stbi_image_free(pixels);
  return image;
}

void ClearGlErrors() {
  while (glGetError() != GL_NO_ERROR) continue;
}

GLint LevelZero(GLenum parameter) {
  GLint value = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
  return value;
}

// Grey images come up as RGB and grey-alpha ones as RGBA; a picture larger than the driver takes
// is refused by it, so only its record can be checked.
void RequireUploadedAsDecoded(const Texture& texture, const DecodedSize& image) {
  Require(texture.width == image.width && texture.height == image.height, "the record holds the decoded size");
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  if (image.width > largest || image.height > largest) {
    ClearGlErrors();
    return;
  }
  glBindTexture(GL_TEXTURE_2D, texture.texture);
  const bool alpha = image.channels == 2 || image.channels == 4;
  Require(LevelZero(GL_TEXTURE_WIDTH) == image.width && LevelZero(GL_TEXTURE_HEIGHT) == image.height,
          "level 0 has the decoded size");
  Require(LevelZero(GL_TEXTURE_INTERNAL_FORMAT) == (alpha ? GL_RGBA : GL_RGB),
          "level 0 is RGBA exactly when the image has alpha");
  glBindTexture(GL_TEXTURE_2D, 0);
  Require(glGetError() == GL_NO_ERROR, "the upload raises no GL error");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  brisa_fuzz::OpenGlContextOrAbort();
  brisa_fuzz::GuardClientMemoryReads();
  brisa_fuzz::SilenceLoaderConsole();
  static const brisa_fuzz::ScratchFile file("image");
  inputFile = &file;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  inputFile->Write(data, size);
  const DecodedSize image = Decode(inputFile->path());
  ResourceManager manager;
  ResourceManager* const previous = gResourceManager;
  gResourceManager = &manager;
  const int id = manager.GetTexture(inputFile->path());
  gResourceManager = previous;
  // stb_image does not always answer one broken file the same way twice (it reads bytes it never
  // wrote), so the two decodes are compared only when both take the file.
  if (id == -1) {
    Require(manager.textures.empty() && manager.textureByName.empty() && manager.textureIdByName.empty(),
            "a refused image registers nothing");
    return 0;
  }
  Require(id == 0 && manager.TextureById(0) != nullptr, "a loaded image is registered as the manager's first");
  Texture* texture = manager.TextureById(0);
  if (image.decodable) RequireUploadedAsDecoded(*texture, image);
  glDeleteTextures(1, &texture->texture);
  delete texture;
  return 0;
}
