// Renders each effect at a few song moments into PNG files and times 100 passes at this build's
// size. Not a test: run it from the stage folder, `brisa_effect_still_<size> <output folder>`.
#include <SDL.h>
#include <glad/gl.h>
#include <stb_image_write.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "config/screen.h"
#include "demo/music_state.h"
#include "resources/resource_manager.h"
#include "resources/shader_effect.h"
#include "tests/effects/effect_shots.h"

namespace {

constexpr int TimedPasses = 100;

struct Moment {
  const char* label;
  int32_t timeMs;
  int32_t orderOffset;
  int32_t row;
  bool beat;
};

const Moment Moments[] = {{"a", 61000, 0, 3, false}, {"b", 64750, 1, 20, true}, {"c", 70300, 2, 45, false}};

bool OpenContext() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_Window* window = SDL_CreateWindow("effect stills", 0, 0, ScreenWidth, ScreenHeight,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  return window != nullptr && SDL_GL_CreateContext(window) != nullptr &&
         gladLoadGL(reinterpret_cast<GLADloadfunc>(SDL_GL_GetProcAddress)) != 0;
}

void MakeTarget() {
  GLuint framebuffer = 0, color = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glGenTextures(1, &color);
  glBindTexture(GL_TEXTURE_2D, color);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, ScreenWidth, ScreenHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
}

void SetMoment(const EffectSetup& setup, const Moment& moment) {
  demoClock.timeMs = moment.timeMs;
  musicSnapshot.order = setup.firstOrder + moment.orderOffset;
  musicSnapshot.row = moment.row;
  musicSnapshot.rowInstrument[2] = moment.beat ? BeatInstrument : 0;
}

bool SavePng(const std::string& path) {
  std::vector<uint8_t> pixels(size_t(ScreenWidth) * ScreenHeight * 4);
  glReadPixels(0, 0, ScreenWidth, ScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  const int stride = ScreenWidth * 4;
  return stbi_write_png(path.c_str(), ScreenWidth, ScreenHeight, 4, pixels.data() + size_t(stride) * (ScreenHeight - 1),
                        -stride) != 0;
}

double MillisecondsPerPass(ShaderEffect& effect) {
  effect.Draw();
  glFinish();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < TimedPasses; ++i) effect.Draw();
  glFinish();
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / TimedPasses;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !OpenContext()) {
    std::fprintf(stderr, "usage: %s <output folder>, run where Assets/ is, with a GL 3.3 driver\n", argv[0]);
    return 2;
  }
  CreateResourceManager();
  MakeTarget();
  for (const EffectSetup& setup : EffectSetups) {
    ShaderEffect* effect = LoadEffectWithBackgrounds(setup);
    if (effect == nullptr) return 1;
    for (const Moment& moment : Moments) {
      SetMoment(setup, moment);
      effect->Draw();
      SavePng(std::string(argv[1]) + "/" + setup.name + "_" + moment.label + ".png");
    }
    std::printf("%s: %.2f ms per %dx%d pass\n", setup.name, MillisecondsPerPass(*effect), ScreenWidth, ScreenHeight);
  }
  return 0;
}
