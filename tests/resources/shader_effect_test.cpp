// The effect pass: its inputs as uniforms, texture units and binding order, and the pixels it draws.
#include <gtest/gtest.h>

#include "config/screen.h"
#include "resources/resource_fixture.h"
#include "resources/shader_effect.h"

namespace {

using brisa_test::GetInteger;
using brisa_test::Rgba;

// Every input takes part in the colour or in a test the compiler cannot decide, so none is dropped.
const char* const EffectVertex = R"(#version 330 core
void main() {
  vec2 corner = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1));
  gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* const EffectFragment = R"(#version 330 core
uniform float fGlobalTime;
uniform vec2 v2Resolution;
uniform int MODData[11];
uniform sampler2D texTex1;
uniform sampler2D texTex2;
uniform sampler2D texTex3;
uniform sampler2D texTex4;
out vec4 fragColor;
void main() {
  int sum = 0;
  for (int i = 0; i < 11; ++i) sum += MODData[i];
  vec2 centre = vec2(0.5);
  if (sum == -999999 || v2Resolution.x < 0.0 || texture(texTex2, centre).r > 1.5 ||
      texture(texTex3, centre).r > 1.5 || texture(texTex4, centre).r > 1.5) discard;
  fragColor = vec4(fGlobalTime * 0.25, float(MODData[3]) / 255.0, texture(texTex1, centre).b, 1.0);
}
)";

const char* const SamplerNames[EffectMaxTextures] = {"texTex1", "texTex2", "texTex3", "texTex4"};

struct Resolution {
  float width, height;
};

Resolution ExpectedResolution() {
  switch (ScreenWidth) {
    case 854: return {854.0f, 480.0f};
    case 1280: return {1280.0f, 720.0f};
    default: return {1920.0f, 1080.0f};
  }
}

class ShaderEffectTest : public brisa_test::ResourceTest {
 protected:
  void SetUp() override {
    ResourceTest::SetUp();
    brisa_test::WriteShaderPair(work, "effect", EffectVertex, EffectFragment);
    effect.Load("effect");
    ASSERT_TRUE(effect.loaded);
    savedClock_ = demoClock;
    savedSnapshot_ = musicSnapshot;
  }
  void TearDown() override {
    demoClock = savedClock_;
    musicSnapshot = savedSnapshot_;
    ResourceTest::TearDown();
  }

  // A 1x1 texture of one colour under the given blend mode.
  int AddTexture(const std::string& name, int32_t blendMode, uint8_t blue = 0) {
    Texture* texture = new Texture();
    const uint8_t pixel[4] = {0, 0, blue, 255};
    glGenTextures(1, &texture->texture);
    glBindTexture(GL_TEXTURE_2D, texture->texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    texture->width = texture->height = 1;
    texture->blendMode = blendMode;
    return manager.RegisterTexture(name, texture);
  }

  GLint Sampler(int slot) {
    GLint value = -1;
    glGetUniformiv(effect.program, effect.textureLocations[slot], &value);
    return value;
  }

  void PresetSamplers() {
    glUseProgram(effect.program);
    for (int slot = 0; slot < EffectMaxTextures; ++slot) glUniform1i(effect.textureLocations[slot], 7);
    glUseProgram(0);
  }

  GLint BoundOnUnit(int unit) {
    glActiveTexture(GL_TEXTURE0 + unit);
    return GetInteger(GL_TEXTURE_BINDING_2D);
  }

  // Each slot's sampler uniform and the texture bound on its unit.
  void ExpectUnits(const GLint (&samplers)[EffectMaxTextures], const GLint (&bound)[EffectMaxTextures]) {
    for (int slot = 0; slot < EffectMaxTextures; ++slot) {
      EXPECT_EQ(Sampler(slot), samplers[slot]) << SamplerNames[slot];
      EXPECT_EQ(BoundOnUnit(slot), bound[slot]) << "unit " << slot;
    }
  }

  // Binds `name` on units 0 to 3, leaves unit 3 active and an unusual blend function.
  void PresetUnits(GLuint name) {
    for (int unit = 0; unit < EffectMaxTextures; ++unit) {
      glActiveTexture(GL_TEXTURE0 + unit);
      glBindTexture(GL_TEXTURE_2D, name);
    }
    glBlendFuncSeparate(GL_CONSTANT_COLOR, GL_ZERO, GL_ZERO, GL_CONSTANT_ALPHA);
  }

  ShaderEffect effect;

 private:
  DemoClock savedClock_;
  MusicSnapshot savedSnapshot_;
};

TEST(FillModData, OrderPatternRowThenInstrumentsZeroExtendedThenNotes) {
  MusicSnapshot snapshot;
  snapshot.order = 14;
  snapshot.pattern = 9;
  snapshot.row = 63;
  snapshot.rowNote[0] = 49;
  snapshot.rowNote[1] = 0;
  snapshot.rowNote[2] = 61;
  snapshot.rowNote[3] = 121;
  snapshot.rowInstrument[0] = 200;
  snapshot.rowInstrument[1] = 10;
  snapshot.rowInstrument[2] = 0;
  snapshot.rowInstrument[3] = 255;
  int32_t data[ModDataCount];
  FillModData(snapshot, data);
  const int32_t expected[ModDataCount] = {14, 9, 63, 200, 10, 0, 255, 49, 0, 61, 121};
  for (int i = 0; i < ModDataCount; ++i) EXPECT_EQ(data[i], expected[i]) << "index " << i;
}

TEST_F(ShaderEffectTest, LoadFindsItsUniformsMakesAVertexArrayAndTakesTheBuildResolution) {
  EXPECT_EQ(effect.resolution[0], ExpectedResolution().width);
  EXPECT_EQ(effect.resolution[1], ExpectedResolution().height);
  EXPECT_NE(effect.vertexArray, 0u);
  EXPECT_EQ(effect.timeLocation, glGetUniformLocation(effect.program, "fGlobalTime"));
  EXPECT_EQ(effect.resolutionLocation, glGetUniformLocation(effect.program, "v2Resolution"));
  EXPECT_EQ(effect.modDataLocation, glGetUniformLocation(effect.program, "MODData"));
  EXPECT_NE(effect.modDataLocation, -1);
  for (int slot = 0; slot < EffectMaxTextures; ++slot) {
    EXPECT_EQ(effect.textureLocations[slot], glGetUniformLocation(effect.program, SamplerNames[slot]));
    EXPECT_NE(effect.textureLocations[slot], -1);
  }

  const GLuint vertexArray = effect.vertexArray;
  effect.Load("other");
  EXPECT_EQ(effect.vertexArray, vertexArray);
  EXPECT_EQ(effect.resolution[0], ExpectedResolution().width);
}

TEST_F(ShaderEffectTest, FailedLoadStillMakesTheVertexArrayAndResolution) {
  ShaderEffect missing;
  missing.Load("missing");
  EXPECT_FALSE(missing.loaded);
  EXPECT_NE(missing.vertexArray, 0u);
  EXPECT_EQ(missing.resolution[1], ExpectedResolution().height);
}

TEST_F(ShaderEffectTest, DrawUploadsTimeResolutionAndMusic) {
  demoClock.timeMs = 1500;
  musicSnapshot.order = 3;
  musicSnapshot.pattern = 12;
  musicSnapshot.row = 40;
  for (int channel = 0; channel < 4; ++channel) {
    musicSnapshot.rowNote[channel] = 50 + channel;
    musicSnapshot.rowInstrument[channel] = static_cast<uint8_t>(200 + channel);
  }
  effect.Draw();
  EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), static_cast<GLint>(effect.program));
  EXPECT_EQ(GetInteger(GL_VERTEX_ARRAY_BINDING), 0);

  GLfloat time = 0.0f;
  glGetUniformfv(effect.program, effect.timeLocation, &time);
  EXPECT_EQ(time, 1.5f);
  GLfloat resolution[2] = {0.0f, 0.0f};
  glGetUniformfv(effect.program, effect.resolutionLocation, resolution);
  EXPECT_EQ(resolution[0], ExpectedResolution().width);
  EXPECT_EQ(resolution[1], ExpectedResolution().height);
  const GLint expected[ModDataCount] = {3, 12, 40, 200, 201, 202, 203, 50, 51, 52, 53};
  for (int i = 0; i < ModDataCount; ++i) {
    const std::string element = "MODData[" + std::to_string(i) + "]";
    GLint value = 0;
    glGetUniformiv(effect.program, glGetUniformLocation(effect.program, element.c_str()), &value);
    EXPECT_EQ(value, expected[i]) << element;
  }
}

TEST_F(ShaderEffectTest, TexturesAreBoundFromTheHighestSlotDown) {
  const int first = AddTexture("first", BlendAdditive);
  const int second = AddTexture("second", BlendMultiply);
  GLuint sentinel = 0;
  glGenTextures(1, &sentinel);
  PresetSamplers();
  PresetUnits(sentinel);
  effect.textureCount = 2;
  effect.textureIds[0] = first;
  effect.textureIds[1] = second;
  effect.Draw();

  // Slot 0 goes last: its unit stays active and its blend function stays set.
  EXPECT_EQ(GetInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
  EXPECT_EQ(GetInteger(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
  EXPECT_EQ(GetInteger(GL_BLEND_DST_RGB), GL_ONE);
  const GLint untouched = static_cast<GLint>(sentinel);
  ExpectUnits({0, 1, 7, 7}, {static_cast<GLint>(manager.TextureById(first)->texture),
                             static_cast<GLint>(manager.TextureById(second)->texture), untouched, untouched});
  glDeleteTextures(1, &sentinel);
}

TEST_F(ShaderEffectTest, IdThatNamesNoTextureLeavesItsUnitAlone) {
  const int real = AddTexture("real", BlendAlpha);
  GLuint sentinel = 0;
  glGenTextures(1, &sentinel);
  PresetSamplers();
  PresetUnits(sentinel);
  effect.textureCount = 4;
  const int32_t ids[EffectMaxTextures] = {-1, real, 99, static_cast<int32_t>(manager.textures.size())};
  for (int slot = 0; slot < EffectMaxTextures; ++slot) effect.textureIds[slot] = ids[slot];
  effect.Draw();

  const GLint untouched = static_cast<GLint>(sentinel);
  ExpectUnits({7, 1, 7, 7}, {untouched, static_cast<GLint>(manager.TextureById(real)->texture), untouched, untouched});
  glDeleteTextures(1, &sentinel);
}

TEST_F(ShaderEffectTest, DrawsTheWholeTargetWithTheTexturesItWasGiven) {
  const Texture& canvas = *manager.TextureById(manager.CreateRenderTexture("canvas", 8, 8, false));
  const int blue = AddTexture("blue", BlendAlpha, 255);
  demoClock.timeMs = 2000;
  musicSnapshot.rowInstrument[0] = 51;
  effect.textureCount = 1;
  effect.textureIds[0] = blue;
  glBindFramebuffer(GL_FRAMEBUFFER, canvas.framebuffer);
  glViewport(0, 0, 8, 8);
  glDisable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  effect.Draw();
  for (int corner = 0; corner < 4; ++corner) {
    const Rgba pixel = brisa_test::ReadPixelTopDown((corner & 1) * 7, (corner >> 1) * 7, 8);
    EXPECT_NEAR(pixel.r, 128, 1) << "corner " << corner;
    EXPECT_EQ(pixel.g, 51) << "corner " << corner;
    EXPECT_EQ(pixel.b, 255) << "corner " << corner;
    EXPECT_EQ(pixel.a, 255) << "corner " << corner;
  }
}

TEST_F(ShaderEffectTest, CountOutsideOneToFourBindsNothingButStillDraws) {
  const Texture& canvas = *manager.TextureById(manager.CreateRenderTexture("canvas", 4, 4, false));
  const int real = AddTexture("real", BlendAdditive, 255);
  GLuint sentinel = 0;
  glGenTextures(1, &sentinel);
  demoClock.timeMs = 4000;
  glBindFramebuffer(GL_FRAMEBUFFER, canvas.framebuffer);
  glViewport(0, 0, 4, 4);
  glDisable(GL_BLEND);
  const GLint untouched = static_cast<GLint>(sentinel);
  for (int32_t count : {0, 5, -1}) {
    SCOPED_TRACE(testing::Message() << "count " << count);
    PresetSamplers();
    PresetUnits(sentinel);
    glActiveTexture(GL_TEXTURE3);
    effect.textureCount = count;
    for (int32_t& id : effect.textureIds) id = real;
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    effect.Draw();
    EXPECT_EQ(GetInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE3);
    EXPECT_EQ(GetInteger(GL_BLEND_SRC_RGB), GL_CONSTANT_COLOR);
    ExpectUnits({7, 7, 7, 7}, {untouched, untouched, untouched, untouched});
    EXPECT_EQ(brisa_test::ReadPixelTopDown(2, 2, 4).r, 255);
  }
  glDeleteTextures(1, &sentinel);
}

}  // namespace
