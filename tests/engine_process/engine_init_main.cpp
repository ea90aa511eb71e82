// A process that starts the engine as the demo does, says what it sees, then closes it as the demo
// does; its exit code tells how far it got.
#include <iostream>
#include <string>

#include "demo/close_engine.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

// The unit quad's names as start-up left them, and whether each still named an object while
// CloseEngine ran. The built-in colour shader's program, which CloseEngine leaves alone, shows
// that the context asked was the engine's and still answered.
struct QuadProbe {
  GLuint names[3] = {0, 0, 0};
  bool liveBefore[3] = {false, false, false};
  bool liveDuringClose[3] = {false, false, false};
  GLuint untouchedProgram = 0;
  bool observed = false;
};

const char* const QuadObjectNames[3] = {"vertex array", "vertex buffer", "index buffer"};

void ReadQuadLiveness(const QuadProbe& probe, bool (&live)[3]) {
  live[0] = glIsVertexArray(probe.names[0]) == GL_TRUE;
  live[1] = glIsBuffer(probe.names[1]) == GL_TRUE;
  live[2] = glIsBuffer(probe.names[2]) == GL_TRUE;
}

// SDL hides the window first thing in SDL_DestroyWindow, while the engine's context is still
// current: after CloseEngine's deletes and before the window, the context and SDL go away.
int WatchWindowHidden(void* data, SDL_Event* event) {
  auto& probe = *static_cast<QuadProbe*>(data);
  const bool hidden = event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_HIDDEN;
  if (probe.observed || !hidden || SDL_GL_GetCurrentContext() != gEngine->glContext) return 1;
  if (glIsProgram(probe.untouchedProgram) != GL_TRUE) return 1;
  probe.observed = true;
  ReadQuadLiveness(probe, probe.liveDuringClose);
  return 1;
}

void ReportWindow() {
  // Lets SDL take in the X server's configure events, so the position is where the server put it.
  SDL_PumpEvents();
  int x = 0, y = 0;
  SDL_GetWindowPosition(gEngine->window, &x, &y);
  SDL_Rect screen{};
  SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(gEngine->window), &screen);
  std::cout << "Window at " << x << "," << y << " of a " << screen.w << "x" << screen.h << " display, relative mouse "
            << (SDL_GetRelativeMouseMode() == SDL_TRUE ? "on" : "off") << std::endl;
}

std::string QuadFate(const QuadProbe& probe, int i) {
  if (!probe.liveBefore[i]) return "missing before close";
  return probe.liveDuringClose[i] ? "kept" : "deleted";
}

void CloseAndReportQuad() {
  QuadProbe probe;
  probe.names[0] = gEngine->quadVao;
  probe.names[1] = gEngine->quadVbo;
  probe.names[2] = gEngine->quadEbo;
  if (const Shader* colour = gResourceManager->ShaderById(gEngine->shaderColor2D)) {
    probe.untouchedProgram = colour->program;
  }
  ReadQuadLiveness(probe, probe.liveBefore);
  SDL_AddEventWatch(WatchWindowHidden, &probe);
  CloseEngine();
  std::cout << "After CloseEngine:";
  if (!probe.observed) {
    std::cout << " not observed" << std::endl;
    return;
  }
  for (int i = 0; i < 3; ++i) std::cout << (i == 0 ? " " : ", ") << QuadObjectNames[i] << " " << QuadFate(probe, i);
  std::cout << std::endl;
}

}  // namespace

int main() {
  gEngine = Engine::Instance();
  CreateResourceManager();
  gEngine->Init();
  std::cout << "Engine started " << gEngine->width << "x" << gEngine->height << std::endl;
  ReportWindow();
  CloseAndReportQuad();
  return 0;
}
