// The GL steps every scene-object draw shares.
#include "demo/entity3d_draw.h"

void ApplyDepthTest(bool enabled) {
  if (enabled) {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
  } else {
    glDisable(GL_DEPTH_TEST);
  }
}
