// Engine::DrawSprite on the real driver: the cut, its placement and clipping, opacity, uniforms and left-over state.
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace brisa_test {
namespace {

constexpr int CheckerSize = 4;
constexpr uint8_t Opaque = 255;

// Texel (x, y) of the checker: every texel its own colour, so a probe names the texel that landed there.
Rgba CheckerTexel(int x, int y) { return Rgba{uint8_t(60 * x), uint8_t(60 * y), 200, 255}; }

PixelImage Checker() {
  PixelImage image{CheckerSize, CheckerSize, {}};
  for (int y = 0; y < CheckerSize; ++y) {
    for (int x = 0; x < CheckerSize; ++x) image.texels.push_back(CheckerTexel(x, y));
  }
  return image;
}

const TextureRect WholeChecker{0, 0, CheckerSize, CheckerSize};

class SpriteDrawTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    checkerId_ = RegisterImageTexture("sprite_test_checker", Checker(), GL_NEAREST);
    checker_ = gResourceManager->TextureById(checkerId_);
    ASSERT_NE(checker_, nullptr);
  }

  GLuint SpriteProgram() const { return gResourceManager->ShaderById(gEngine->shaderTexture2D)->program; }

  int checkerId_ = -1;
  Texture* checker_ = nullptr;
};

// A source rectangle drawn at `texelPixels` screen pixels per texel.
struct SpriteCutCase {
  const char* name;
  TextureRect source;
  int16_t x;
  int16_t y;
  int texelPixels;
};

TEST_F(SpriteDrawTest, CutFromASubRectangleLandsUprightWhereItIsPlaced) {
  const SpriteCutCase cases[] = {
      {"whole texture", WholeChecker, 100, 50, 10},
      {"one row of two texels", {1, 2, 2, 1}, 300, 60, 12},
      {"one column of two texels", {2, 1, 1, 2}, 200, 150, 16},
      {"last texel", {3, 3, 1, 1}, 30, 300, 20},
  };
  for (const SpriteCutCase& sprite : cases) {
    SCOPED_TRACE(sprite.name);
    const int width = sprite.source.width * sprite.texelPixels;
    const int height = sprite.source.height * sprite.texelPixels;
    gEngine->DrawSprite(checkerId_, sprite.source, sprite.x, sprite.y, 0.0f, uint16_t(width), uint16_t(height), Opaque);
    const int half = sprite.texelPixels / 2;
    for (int row = 0; row < sprite.source.height; ++row) {
      for (int column = 0; column < sprite.source.width; ++column) {
        const int px = sprite.x + column * sprite.texelPixels + half;
        const int py = sprite.y + row * sprite.texelPixels + half;
        EXPECT_TRUE(NearRgb(PixelAt(px, py), CheckerTexel(sprite.source.x + column, sprite.source.y + row)))
            << "texel " << column << "," << row;
      }
    }
    // One pixel beyond each edge is untouched.
    EXPECT_TRUE(NearRgb(PixelAt(sprite.x - 1, sprite.y + half), ClearColor));
    EXPECT_TRUE(NearRgb(PixelAt(sprite.x + width, sprite.y + half), ClearColor));
    EXPECT_TRUE(NearRgb(PixelAt(sprite.x + half, sprite.y - 1), ClearColor));
    EXPECT_TRUE(NearRgb(PixelAt(sprite.x + half, sprite.y + height), ClearColor));
  }
}

struct Probe {
  int x;
  int y;
  int texelX;  // -1: the clear colour, nothing drawn there
  int texelY;
};

// A destination given as the caller's int position, cut to 16 bits on its way in as the callers do.
struct ClippedSpriteCase {
  const char* name;
  TextureRect source;
  int x;
  int y;
  uint16_t width;
  uint16_t height;
  std::vector<Probe> probes;
};

int16_t CutTo16Bits(int position) { return static_cast<int16_t>(static_cast<uint16_t>(position)); }

TEST_F(SpriteDrawTest, NegativeAndWrappedPositionsDrawOffTheTopLeft) {
  const ClippedSpriteCase cases[] = {
      {"x -20: the left half is off screen", WholeChecker, -20, 100, 40, 40,
       {{5, 105, 2, 0}, {15, 135, 3, 3}, {25, 105, -1, 0}}},
      {"x -300: only the last column shows", WholeChecker, -300, 200, 320, 40,
       {{0, 205, 3, 0}, {19, 235, 3, 3}, {21, 205, -1, 0}}},
      {"y -20: the top half is off screen", WholeChecker, 400, -20, 40, 40,
       {{405, 5, 0, 2}, {435, 15, 3, 3}, {405, 25, -1, 0}}},
      {"x 65516 arrives as -20", WholeChecker, 65516, 100, 40, 40,
       {{5, 105, 2, 0}, {25, 105, -1, 0}}},
      // Read as 32768 the sprite would start past the right edge; as -32768 it spans the whole screen.
      {"x 32768 arrives as -32768", {0, 0, 3, 4}, 32768, 300, 65535, 40,
       {{0, 305, 1, 0}, {ScreenWidth - 1, 335, 1, 3}}},
  };

  for (const ClippedSpriteCase& sprite : cases) {
    SCOPED_TRACE(sprite.name);
    glClear(GL_COLOR_BUFFER_BIT);
    gEngine->DrawSprite(checkerId_, sprite.source, CutTo16Bits(sprite.x), CutTo16Bits(sprite.y), 0.0f, sprite.width,
                        sprite.height, Opaque);
    for (const Probe& probe : sprite.probes) {
      const Rgba expected = probe.texelX < 0 ? ClearColor : CheckerTexel(probe.texelX, probe.texelY);
      EXPECT_TRUE(NearRgb(PixelAt(probe.x, probe.y), expected)) << "at " << probe.x << "," << probe.y;
    }
  }
}

TEST_F(SpriteDrawTest, TurnsClockwiseOnScreenAboutItsCentre) {
  // Two texels side by side, 80 x 20 on screen around (140, 110); a quarter turn stands it on end.
  const TextureRect pair{0, 0, 2, 1};
  gEngine->DrawSprite(checkerId_, pair, 100, 100, 90.0f, 80, 20, Opaque);
  EXPECT_TRUE(NearRgb(PixelAt(140, 80), CheckerTexel(0, 0)));
  EXPECT_TRUE(NearRgb(PixelAt(140, 140), CheckerTexel(1, 0)));
  EXPECT_TRUE(NearRgb(PixelAt(105, 110), ClearColor));
  EXPECT_TRUE(NearRgb(PixelAt(175, 110), ClearColor));
}

struct TexClampCase {
  const char* name;
  PixelImage image;
  TextureRect source;
  float expected[8];
};

TEST_F(SpriteDrawTest, TexClampHoldsTheRectangleAtTheQuadCorners) {
  const PixelImage threeByFive{3, 5, std::vector<Rgba>(15, Rgba{255, 255, 255, 255})};
  const TexClampCase cases[] = {
      {"whole texture", Checker(), WholeChecker, {0, 1, 1, 1, 1, 0, 0, 0}},
      {"sub-rectangle", Checker(), {2, 1, 1, 2}, {0.5f, 0.75f, 0.75f, 0.75f, 0.75f, 0.25f, 0.5f, 0.25f}},
      {"divided in float by odd sizes", threeByFive, {1, 2, 2, 3},
       {1.0f / 3.0f, 1.0f, 1.0f, 1.0f, 1.0f, 2.0f / 5.0f, 1.0f / 3.0f, 2.0f / 5.0f}},
      {"past the edges, not clamped", Checker(), {-1, 3, 5, 2},
       {-0.25f, 1.25f, 1.0f, 1.25f, 1.0f, 0.75f, -0.25f, 0.75f}},
  };

  for (const TexClampCase& sprite : cases) {
    SCOPED_TRACE(sprite.name);
    const int id = RegisterImageTexture(std::string("sprite_test_clamp ") + sprite.name, sprite.image, GL_NEAREST);
    gEngine->DrawSprite(id, sprite.source, 10, 10, 0.0f, 20, 20, Opaque);
    const std::vector<float> texClamp = UniformFloatArray(SpriteProgram(), "texClamp", 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(texClamp[i], sprite.expected[i]) << "texClamp[" << i << "]";
  }
}

TEST_F(SpriteDrawTest, SendsTheTextureColoursWithTheSpriteOpacity) {
  checker_->color[0] = 0.25f;
  checker_->color[1] = 0.5f;
  checker_->color[2] = 0.75f;
  checker_->colorAdd[0] = 0.125f;
  checker_->colorAdd[1] = 0.0f;
  checker_->colorAdd[2] = 0.5f;
  // Values a forgetful draw would leave in place.
  glUseProgram(SpriteProgram());
  glUniform1i(glGetUniformLocation(SpriteProgram(), "flip"), 2);
  glUniform1i(glGetUniformLocation(SpriteProgram(), "textura"), 3);
  glUseProgram(0);

  gEngine->DrawSprite(checkerId_, WholeChecker, 10, 10, 0.0f, 40, 40, 128);
  EXPECT_EQ(UniformFloats(SpriteProgram(), "color", 4), (std::vector<float>{0.25f, 0.5f, 0.75f, 128 / 255.0f}));
  EXPECT_EQ(UniformFloats(SpriteProgram(), "colorAdd", 3), (std::vector<float>{0.125f, 0.0f, 0.5f}));
  EXPECT_EQ(UniformInt(SpriteProgram(), "flip"), 0);
  EXPECT_EQ(UniformInt(SpriteProgram(), "textura"), 0);
}

TEST_F(SpriteDrawTest, OpacityBlendsOverWhatIsThere) {
  const Rgba texel{200, 100, 50, 255};
  const int id = RegisterImageTexture("sprite_test_flat", PixelImage{1, 1, {texel}}, GL_NEAREST);
  for (const uint8_t alpha : {uint8_t(0), uint8_t(128), uint8_t(255)}) {
    SCOPED_TRACE(int(alpha));
    glClear(GL_COLOR_BUFFER_BIT);
    gEngine->DrawSprite(id, TextureRect{0, 0, 1, 1}, 50, 60, 0.0f, 30, 30, alpha);
    EXPECT_TRUE(NearRgb(PixelAt(65, 75), BlendOver(texel, ClearColor, alpha)));
  }
}

struct SavedAlphaCase {
  float before;
  float after;
};

TEST_F(SpriteDrawTest, TextureAlphaComesBackInEightBitSteps) {
  const SavedAlphaCase cases[] = {
      {1.0f, 1.0f},                        // the default comes back exactly
      {0.0f, 0.0f},
      {0.5f, 127.0f / 255.0f},             // 127.5 truncates to 127
      {0.9f, 229.0f / 255.0f},             // 229.49 truncates to 229
      {128.0f / 255.0f, 128.0f / 255.0f},  // a whole step stays put
  };
  for (const SavedAlphaCase& alpha : cases) {
    SCOPED_TRACE(alpha.before);
    checker_->color[3] = alpha.before;
    gEngine->DrawSprite(checkerId_, WholeChecker, 10, 10, 0.0f, 40, 40, 77);
    EXPECT_EQ(checker_->color[3], alpha.after);
  }
}

struct BlendModeCase {
  int32_t blendMode;
  GLint sourceRgb;
  GLint destinationRgb;
  GLint sourceAlpha;
  GLint destinationAlpha;
};

TEST_F(SpriteDrawTest, LeavesProgramZeroUnitZeroEmptyAndTheTexturesBlendFunction) {
  const BlendModeCase cases[] = {
      {BlendAdditive, GL_SRC_ALPHA, GL_ONE, GL_SRC_ALPHA, GL_ONE},
      {BlendMultiply, GL_DST_COLOR, GL_ZERO, GL_DST_COLOR, GL_ZERO},
      {BlendAlpha, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE},
      {7, GL_CONSTANT_COLOR, GL_ZERO, GL_CONSTANT_COLOR, GL_ZERO},  // no such mode: what was set stays
  };
  for (const BlendModeCase& mode : cases) {
    SCOPED_TRACE(mode.blendMode);
    checker_->blendMode = mode.blendMode;
    glBlendFunc(GL_CONSTANT_COLOR, GL_ZERO);
    glActiveTexture(GL_TEXTURE3);
    glBindVertexArray(gEngine->quadVao);
    gEngine->DrawSprite(checkerId_, WholeChecker, 10, 10, 0.0f, 40, 40, Opaque);
    EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(GetInteger(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(GetInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(GetInteger(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(GetInteger(GL_BLEND_SRC_RGB), mode.sourceRgb);
    EXPECT_EQ(GetInteger(GL_BLEND_DST_RGB), mode.destinationRgb);
    EXPECT_EQ(GetInteger(GL_BLEND_SRC_ALPHA), mode.sourceAlpha);
    EXPECT_EQ(GetInteger(GL_BLEND_DST_ALPHA), mode.destinationAlpha);
  }
}

void DrainGlErrors() {
  while (glGetError() != GL_NO_ERROR) {
  }
}

TEST_F(SpriteDrawTest, ATextureIdThatNamesNothingDrawsNothing) {
  const int missingIds[] = {-1, static_cast<int>(gResourceManager->textures.size())};
  for (const int id : missingIds) {
    SCOPED_TRACE(id);
    DrainGlErrors();
    gEngine->DrawSprite(id, WholeChecker, 100, 100, 0.0f, 40, 40, Opaque);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(NearRgb(PixelAt(120, 120), ClearColor));
  }
}

}  // namespace
}  // namespace brisa_test
