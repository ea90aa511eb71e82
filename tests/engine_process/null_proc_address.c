/* Preloaded into the engine process: SDL answers no OpenGL entry point, as a broken driver would. */
#include <stddef.h>

void* SDL_GL_GetProcAddress(const char* proc) {
  (void)proc;
  return NULL;
}
