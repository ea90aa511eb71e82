// CloseEngine: the engine's part of the shut-down.
#include "demo/close_engine.h"

#include "engine/engine.h"

void CloseEngine() {
  Engine& engine = *gEngine;
  if (engine.quadVao != 0) glDeleteVertexArrays(1, &engine.quadVao);
  if (engine.quadVbo != 0) glDeleteBuffers(1, &engine.quadVbo);
  if (engine.quadEbo != 0) glDeleteBuffers(1, &engine.quadEbo);
  SDL_DestroyWindow(engine.window);
  engine.window = nullptr;
  SDL_Quit();
}
