// glReadPixels into RGB pictures.
#include "tools/capture/framebuffer_readback.h"

#include <glad/gl.h>

#include "config/screen.h"
#include "resources/resource_manager.h"
#include "tools/capture/picture_edits.h"

namespace show_capture {

namespace {

constexpr int RgbChannels = 3;  // what GL_RGB reads

// Rows as glReadPixels returns them: the framebuffer's row 0 first.
tools::Image ReadBoundRows(int width, int height) {
  tools::Image image(width, height, RgbChannels);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
  return image;
}

}  // namespace

tools::Image ReadWindowPicture() {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  return FlipRows(ReadBoundRows(ScreenWidth, ScreenHeight));
}

tools::Image ReadRenderTextureRows(int textureId) {
  const Texture* texture = gResourceManager->TextureById(textureId);
  if (texture == nullptr || texture->framebuffer == 0) return tools::Image();
  glBindFramebuffer(GL_READ_FRAMEBUFFER, texture->framebuffer);
  tools::Image rows = ReadBoundRows(texture->width, texture->height);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  return rows;
}

}  // namespace show_capture
