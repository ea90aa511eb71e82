// A wrapper of the buffer swap that reads back what each swap presents, for the tests that watch it.
#include "presented_pixels.h"

#include <SDL.h>

#include "config/screen.h"

namespace {

struct Watch {
  bool on = false;
  int x = 0;
  int y = 0;
  std::vector<brisa_test::Rgba> pixels;
};

Watch watch;

brisa_test::Rgba BackBufferPixel() {
  GLint boundForReading = 0;
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &boundForReading);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  const brisa_test::Rgba pixel = brisa_test::ReadPixelTopDown(watch.x, watch.y, ScreenHeight);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(boundForReading));
  return pixel;
}

}  // namespace

extern "C" void __real_SDL_GL_SwapWindow(SDL_Window* window);

extern "C" void __wrap_SDL_GL_SwapWindow(SDL_Window* window) {
  if (watch.on) watch.pixels.push_back(BackBufferPixel());
  __real_SDL_GL_SwapWindow(window);
}

namespace brisa_test {

PresentedPixels::PresentedPixels(int x, int y) { watch = Watch{true, x, y, {}}; }

PresentedPixels::~PresentedPixels() { watch = Watch{}; }

const std::vector<Rgba>& PresentedPixels::read() const { return watch.pixels; }

}  // namespace brisa_test
