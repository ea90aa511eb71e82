// One hidden SDL window with an OpenGL 3.3 core context, shared by the tests of a process.
#include "support/gl_context.h"

#include <SDL.h>

#include "config/screen.h"

namespace brisa_test {

namespace {

bool CreateContext() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
    return false;
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_Window* window = SDL_CreateWindow("brisa tests", 0, 0, ScreenWidth, ScreenHeight,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (window == nullptr) {
    ADD_FAILURE() << "SDL_CreateWindow: " << SDL_GetError();
    return false;
  }
  if (SDL_GL_CreateContext(window) == nullptr) {
    ADD_FAILURE() << "SDL_GL_CreateContext: " << SDL_GetError();
    return false;
  }
  if (gladLoadGL(reinterpret_cast<GLADloadfunc>(SDL_GL_GetProcAddress)) == 0) {
    ADD_FAILURE() << "gladLoadGL failed";
    return false;
  }
  return true;
}

}  // namespace

bool EnsureGlContext() {
  static const bool ready = CreateContext();
  return ready;
}

Rgba ReadPixelTopDown(int x, int y, int framebufferHeight) {
  Rgba pixel{};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, framebufferHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
  return pixel;
}

GLint GetInteger(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

}  // namespace brisa_test
