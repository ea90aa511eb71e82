// The GL steps every scene-object draw shares.
#include "demo/entity3d_draw.h"

#include "engine/camera.h"
#include "engine/engine.h"

void ApplyDepthTest(bool enabled) {
  if (enabled) {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
  } else {
    glDisable(GL_DEPTH_TEST);
  }
}

void ReturnTo2D() {
  glDisable(GL_CULL_FACE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glDisable(GL_DEPTH_TEST);
  gEngine->SetOrtho();
  gEngine->view = CameraLookAt(gEngine->eye2D, gEngine->front2D, gEngine->up2D);
}
