// The program's calls that shape its OpenGL request, in order (the engine tests wrap them at link time).
#pragma once

#include <vector>

#include <SDL.h>

namespace brisa_test {

enum class SdlCall { Init, SetAttribute, ResetAttributes, CreateWindow, CreateContext };

// What SDL holds for the context's version and profile, read through SDL_GL_GetAttribute (these
// three need no context); -1 where SDL refuses the query.
struct RequestedContext {
  int majorVersion;
  int minorVersion;
  int profileMask;
};

struct SdlCallRecord {
  SdlCall call;
  Uint32 initFlags = 0;               // SDL_Init's subsystems
  SDL_GLattr attribute{};             // SDL_GL_SetAttribute's attribute, value and result
  int value = 0;
  int result = 0;
  SDL_Window* window = nullptr;       // the window made, or the one a context is made for
  SDL_GLContext context = nullptr;    // the context made
  RequestedContext requested{};       // what SDL held just before the window or the context was made
};

// Every wrapped call since the process started.
const std::vector<SdlCallRecord>& SdlCallLog();

}  // namespace brisa_test
