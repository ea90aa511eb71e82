// The started engine shared by a test program's GL tests, and small helpers to draw and look with it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/screen.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "support/gl_context.h"

namespace brisa_test {

// Runs Engine::Init once per process, as the demo does, from a folder holding the staged shaders.
bool EnsureEngineStarted();

// Each test starts in the 2D state on the window, cleared to `ClearColor`, and gets the engine's
// fields and the shared GL state back afterwards.
class EngineTest : public ::testing::Test {
 protected:
  static constexpr Rgba ClearColor{10, 20, 30, 255};

  void SetUp() override;
  void TearDown() override;

  Rgba PixelAt(int x, int y) const { return ReadPixelTopDown(x, y, ScreenHeight); }
  // The built-in flat-colour 2D shader.
  Shader& Color2D() const { return *gResourceManager->ShaderById(gEngine->shaderColor2D); }

 private:
  Engine saved_ = *Engine::Instance();
};

// One texel colour per entry, rows from the top of the picture.
struct PixelImage {
  int width;
  int height;
  std::vector<Rgba> texels;
};

// Uploads `image` as an RGBA texture with `filter` for both filters and repeat wrapping, registers it
// under `name` and returns its texture id.
int RegisterImageTexture(const std::string& name, const PixelImage& image, GLint filter);

// Channels within one step of each other (blending rounds either way).
::testing::AssertionResult NearColor(const Rgba& actual, const Rgba& expected);
// The same for red, green and blue only: the window may have no alpha channel to blend into.
::testing::AssertionResult NearRgb(const Rgba& actual, const Rgba& expected);

// What (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA) makes of `source` at `alpha` over `destination`, colour only.
Rgba BlendOver(const Rgba& source, const Rgba& destination, uint8_t alpha);

// The value `program` holds for a float, vector or matrix uniform: `count` floats.
std::vector<float> UniformFloats(GLuint program, const std::string& name, int count);
// A float[length] uniform, read element by element (array elements need not have adjacent locations).
std::vector<float> UniformFloatArray(GLuint program, const std::string& name, int length);
GLint UniformInt(GLuint program, const std::string& name);

}  // namespace brisa_test
