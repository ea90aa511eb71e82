// Reading a texture's level 0 back and uploading it again, with the binding and alignment kept.
#include "support/texture_picture.h"

#include <cstddef>

#include "resources/texture.h"

namespace brisa_test {

namespace {

// Binds `texture` on the active unit with byte alignment; the destructor puts the old ones back.
class TextureAccess {
 public:
  explicit TextureAccess(GLuint texture) {
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound_);
    glGetIntegerv(GL_PACK_ALIGNMENT, &pack_);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack_);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~TextureAccess() {
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound_));
    glPixelStorei(GL_PACK_ALIGNMENT, pack_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpack_);
  }
  TextureAccess(const TextureAccess&) = delete;
  TextureAccess& operator=(const TextureAccess&) = delete;

 private:
  GLint bound_ = 0;
  GLint pack_ = 4;
  GLint unpack_ = 4;
};

}  // namespace

TexturePicture TexturePicture::Capture(const Texture& texture) {
  TexturePicture picture;
  picture.texture_ = texture.texture;
  picture.width_ = texture.width;
  picture.height_ = texture.height;
  if (texture.width <= 0 || texture.height <= 0) return picture;
  picture.pixels_.resize(static_cast<std::size_t>(texture.width) * static_cast<std::size_t>(texture.height) * 4);
  const TextureAccess access(texture.texture);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, picture.pixels_.data());
  return picture;
}

void TexturePicture::Restore() const {
  if (pixels_.empty()) return;
  const TextureAccess access(texture_);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
}

}  // namespace brisa_test
