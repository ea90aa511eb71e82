// The full-screen effect: its own uniform lookups and the one-strip draw fed with time and music.
#include "resources/shader_effect.h"

#include "config/screen.h"
#include "resources/resource_manager.h"

namespace {

constexpr float MillisecondsPerSecond = 1000.0f;
constexpr GLsizei StripVertexCount = 4;

const Texture* TextureOrNull(int id) {
  return gResourceManager != nullptr ? gResourceManager->TextureById(id) : nullptr;
}

}  // namespace

void FillModData(const MusicSnapshot& snapshot, int32_t out[ModDataCount]) {
  out[0] = snapshot.order;
  out[1] = snapshot.pattern;
  out[2] = snapshot.row;
  for (int channel = 0; channel < 4; ++channel) {
    out[3 + channel] = static_cast<int32_t>(snapshot.rowInstrument[channel]);
    out[7 + channel] = snapshot.rowNote[channel];
  }
}

void ShaderEffect::Load(const char* assetName) {
  Shader::Load(assetName);
  if (vertexArray == 0) glGenVertexArrays(1, &vertexArray);
  resolution[0] = static_cast<float>(ScreenWidth);
  resolution[1] = static_cast<float>(ScreenHeight);
}

void ShaderEffect::GetUniforms() {
  timeLocation = glGetUniformLocation(program, "fGlobalTime");
  resolutionLocation = glGetUniformLocation(program, "v2Resolution");
  modDataLocation = glGetUniformLocation(program, "MODData");
  textureLocations[0] = glGetUniformLocation(program, "texTex1");
  textureLocations[1] = glGetUniformLocation(program, "texTex2");
  textureLocations[2] = glGetUniformLocation(program, "texTex3");
  textureLocations[3] = glGetUniformLocation(program, "texTex4");
}

void ShaderEffect::Draw() {
  if (loaded) glUseProgram(program);
  glUniform1f(timeLocation, static_cast<float>(demoClock.timeMs) / MillisecondsPerSecond);
  glUniform2fv(resolutionLocation, 1, resolution);
  if (modDataLocation != -1) {
    int32_t modData[ModDataCount];
    FillModData(musicSnapshot, modData);
    glUniform1iv(modDataLocation, ModDataCount, modData);
  }
  BindTextures();
  glBindVertexArray(vertexArray);
  glDrawArrays(GL_TRIANGLE_STRIP, 0, StripVertexCount);
  glBindVertexArray(0);
}

// Highest slot first, so unit 0 and the first texture's blend function are what stays set.
void ShaderEffect::BindTextures() const {
  if (textureCount < 1 || textureCount > EffectMaxTextures) return;
  for (int slot = textureCount - 1; slot >= 0; --slot) {
    const Texture* texture = TextureOrNull(textureIds[slot]);
    // An id that names no texture leaves its unit as it was.
    if (texture == nullptr) continue;
    texture->Bind(GL_TEXTURE0 + slot);
    glUniform1i(textureLocations[slot], slot);
  }
}
