// glReadPixels into RGB pictures.
#include "tools/capture/framebuffer_readback.h"

#include <glad/gl.h>

#include "config/screen.h"
#include "resources/resource_manager.h"

namespace show_capture {

namespace {

// Rows as glReadPixels returns them: the framebuffer's row 0 first.
RgbImage ReadBoundRows(int width, int height) {
  RgbImage image(width, height);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, image.bytes.data());
  return image;
}

}  // namespace

RgbImage ReadWindowPicture() {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  return FlipRows(ReadBoundRows(ScreenWidth, ScreenHeight));
}

RgbImage ReadRenderTextureRows(int textureId) {
  const Texture* texture = gResourceManager->TextureById(textureId);
  if (texture == nullptr || texture->framebuffer == 0) return RgbImage();
  glBindFramebuffer(GL_READ_FRAMEBUFFER, texture->framebuffer);
  RgbImage rows = ReadBoundRows(texture->width, texture->height);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  return rows;
}

}  // namespace show_capture
