// The full-screen effect: a shader that draws itself as one strip, fed with time, size and music.
#pragma once

#include <cstdint>

#include "demo/music_state.h"
#include "resources/shader.h"

constexpr int EffectMaxTextures = 4;
constexpr int ModDataCount = 11;

class ShaderEffect final : public Shader {
 public:
  void Load(const char* name) override;
  void GetUniforms() override;
  void Draw() override;

  float resolution[2] = {0.0f, 0.0f};
  int32_t timeLocation = 0;
  int32_t resolutionLocation = 0;
  int32_t modDataLocation = 0;
  int32_t textureLocations[EffectMaxTextures] = {0, 0, 0, 0};
  int32_t textureCount = 0;
  int32_t textureIds[EffectMaxTextures] = {0, 0, 0, 0};
  GLuint vertexArray = 0;

 private:
  void BindTextures() const;
};

// The eleven "MODData" integers of a snapshot: order, pattern, row, four instruments, four notes.
void FillModData(const MusicSnapshot& snapshot, int32_t out[ModDataCount]);
