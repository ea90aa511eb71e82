// Starting the engine once per test program, and the per-test reset of the state it draws with.
#include "engine_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "support/work_dir.h"

namespace brisa_test {

namespace {

bool StartEngine() {
  ScopedWorkDir workDir;
  workDir.CopyStagedShaders();
  gEngine = Engine::Instance();
  CreateResourceManager();
  gEngine->Init();
  return gEngine->glContext != nullptr;
}

}  // namespace

bool EnsureEngineStarted() {
  static const bool started = StartEngine();
  return started;
}

void EngineTest::SetUp() {
  ASSERT_TRUE(EnsureEngineStarted());
  saved_ = *gEngine;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glClearColor(ClearColor.r / 255.0f, ClearColor.g / 255.0f, ClearColor.b / 255.0f, ClearColor.a / 255.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void EngineTest::TearDown() {
  *gEngine = saved_;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  glDisable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glDisable(GL_DEPTH_TEST);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glUseProgram(0);
  glBindVertexArray(0);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, 0);
}

int RegisterImageTexture(const std::string& name, const PixelImage& image, GLint filter) {
  auto* texture = new Texture();
  glGenTextures(1, &texture->texture);
  glBindTexture(GL_TEXTURE_2D, texture->texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               image.texels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glBindTexture(GL_TEXTURE_2D, 0);
  texture->width = image.width;
  texture->height = image.height;
  const int id = gResourceManager->RegisterTexture(name, texture);
  gResourceManager->textureIdByName[name] = id;
  return id;
}

::testing::AssertionResult NearColor(const Rgba& actual, const Rgba& expected) {
  auto near = [](uint8_t a, uint8_t b) { return std::abs(int(a) - int(b)) <= 1; };
  if (near(actual.r, expected.r) && near(actual.g, expected.g) && near(actual.b, expected.b) &&
      near(actual.a, expected.a)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << ::testing::PrintToString(actual) << " is not "
                                       << ::testing::PrintToString(expected);
}

::testing::AssertionResult NearRgb(const Rgba& actual, const Rgba& expected) {
  return NearColor(Rgba{actual.r, actual.g, actual.b, 0}, Rgba{expected.r, expected.g, expected.b, 0});
}

Rgba BlendOver(const Rgba& source, const Rgba& destination, uint8_t alpha) {
  const float weight = alpha / 255.0f;
  auto mix = [weight](uint8_t s, uint8_t d) {
    return static_cast<uint8_t>(std::lround(s * weight + d * (1.0f - weight)));
  };
  return Rgba{mix(source.r, destination.r), mix(source.g, destination.g), mix(source.b, destination.b), 255};
}

std::vector<float> UniformFloats(GLuint program, const std::string& name, int count) {
  constexpr int MatrixFloats = 16;
  float values[MatrixFloats] = {};
  glGetUniformfv(program, glGetUniformLocation(program, name.c_str()), values);
  return std::vector<float>(values, values + std::min(count, MatrixFloats));
}

std::vector<float> UniformFloatArray(GLuint program, const std::string& name, int length) {
  std::vector<float> values;
  for (int i = 0; i < length; ++i) {
    const std::string element = name + "[" + std::to_string(i) + "]";
    values.push_back(UniformFloats(program, element, 1).front());
  }
  return values;
}

GLint UniformInt(GLuint program, const std::string& name) {
  GLint value = 0;
  glGetUniformiv(program, glGetUniformLocation(program, name.c_str()), &value);
  return value;
}

}  // namespace brisa_test
