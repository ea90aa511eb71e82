// A texture's picture, read back so a test that draws into it can write the old one back.
#pragma once

#include <cstdint>
#include <vector>

#include <glad/gl.h>

struct Texture;

namespace brisa_test {

// Level 0 as RGBA bytes: the show samples its render textures without mipmaps. Capture and Restore
// leave the context's texture binding and pixel alignment as they found them.
class TexturePicture {
 public:
  static TexturePicture Capture(const Texture& texture);
  void Restore() const;

 private:
  GLuint texture_ = 0;
  GLsizei width_ = 0;
  GLsizei height_ = 0;
  std::vector<uint8_t> pixels_;
};

}  // namespace brisa_test
