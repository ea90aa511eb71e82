// Drawing and presenting a frame, as the main loop and the offline show both do it.
#include "demo/frame_picture.h"

#include <SDL.h>
#include <glad/gl.h>

#include "demo/render.h"
#include "demo/screen_grab.h"
#include "engine/engine.h"

void DrawFrame() {
  RenderDemo();
  KeepPresentedFrame();
}

void PresentFrame() {
  SDL_GL_SwapWindow(gEngine->window);
  glFlush();
}
