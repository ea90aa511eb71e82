// Wrappers of SDL's start-up, GL attribute, window and context calls that log each one, then call SDL.
#include "sdl_call_log.h"

namespace brisa_test {
namespace {

// Built on first use: SDL may be called while other files' statics are still being made.
std::vector<SdlCallRecord>& Log() {
  static std::vector<SdlCallRecord> log;
  return log;
}

int ContextAttribute(SDL_GLattr attribute) {
  int value = 0;
  return SDL_GL_GetAttribute(attribute, &value) == 0 ? value : -1;
}

void KeepSdlCall(const SdlCallRecord& record) { Log().push_back(record); }

RequestedContext RequestInSdl() {
  return RequestedContext{ContextAttribute(SDL_GL_CONTEXT_MAJOR_VERSION),
                          ContextAttribute(SDL_GL_CONTEXT_MINOR_VERSION),
                          ContextAttribute(SDL_GL_CONTEXT_PROFILE_MASK)};
}

}  // namespace

const std::vector<SdlCallRecord>& SdlCallLog() { return Log(); }

// C linkage makes these the plain symbols the linker's --wrap looks for, namespace or not.
extern "C" {

int __real_SDL_Init(Uint32 flags);
int __real_SDL_GL_SetAttribute(SDL_GLattr attribute, int value);
void __real_SDL_GL_ResetAttributes(void);
SDL_Window* __real_SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 flags);
SDL_GLContext __real_SDL_GL_CreateContext(SDL_Window* window);

int __wrap_SDL_Init(Uint32 flags) {
  SdlCallRecord record{SdlCall::Init};
  record.initFlags = flags;
  record.result = __real_SDL_Init(flags);
  KeepSdlCall(record);
  return record.result;
}

int __wrap_SDL_GL_SetAttribute(SDL_GLattr attribute, int value) {
  SdlCallRecord record{SdlCall::SetAttribute};
  record.attribute = attribute;
  record.value = value;
  record.result = __real_SDL_GL_SetAttribute(attribute, value);
  KeepSdlCall(record);
  return record.result;
}

void __wrap_SDL_GL_ResetAttributes(void) {
  __real_SDL_GL_ResetAttributes();
  KeepSdlCall(SdlCallRecord{SdlCall::ResetAttributes});
}

SDL_Window* __wrap_SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 flags) {
  SdlCallRecord record{SdlCall::CreateWindow};
  record.requested = RequestInSdl();
  record.window = __real_SDL_CreateWindow(title, x, y, w, h, flags);
  KeepSdlCall(record);
  return record.window;
}

SDL_GLContext __wrap_SDL_GL_CreateContext(SDL_Window* window) {
  SdlCallRecord record{SdlCall::CreateContext};
  record.requested = RequestInSdl();
  record.window = window;
  record.context = __real_SDL_GL_CreateContext(window);
  KeepSdlCall(record);
  return record.context;
}

}  // extern "C"

}  // namespace brisa_test
