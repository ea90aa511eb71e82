// The copy of the presented credits frame that the tiles are cut from, and the shatter cue's grab.
#include "demo/screen_grab.h"

#include <glad/gl.h>

#include "config/screen.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

// Whether a credits frame has been copied as it was presented.
bool creditsFrameKept = false;

// The "Screenshot" render texture; null when the id names no texture with a framebuffer of its own
// (framebuffer 0 would be the window itself).
const Texture* ScreenshotTarget() {
  const Texture* texture = gResourceManager->TextureById(gEngine->screenshotTexture);
  if (texture == nullptr || texture->framebuffer == 0) {
    return nullptr;
  }
  return texture;
}

// Copies the window's read buffer into the target upside down, so the texture's first row holds
// the screen's top row, the row that source rectangles with y 0 select.
void CopyWindowInto(const Texture& target) {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target.framebuffer);
  glBlitFramebuffer(0, 0, ScreenWidth, ScreenHeight, 0, ScreenHeight, ScreenWidth, 0, GL_COLOR_BUFFER_BIT,
                    GL_NEAREST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
}

}  // namespace

void KeepPresentedFrame() {
  if (timelineState != SceneCredits) {
    return;
  }
  const Texture* target = ScreenshotTarget();
  if (target == nullptr) {
    return;
  }
  CopyWindowInto(*target);
  creditsFrameKept = true;
}

void GrabScreen() {
  // After the swap the window's buffer may hold anything; the kept copy already is the picture.
  if (creditsFrameKept) {
    return;
  }
  const Texture* target = ScreenshotTarget();
  if (target == nullptr) {
    return;
  }
  CopyWindowInto(*target);
}
