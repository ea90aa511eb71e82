// Engine::SetRenderTarget on the real driver: framebuffer, viewport, matrices and 3D switches for every mode.
#include <array>

#include "engine_fixture.h"

namespace brisa_test {
namespace {

// The per-build figures, written out rather than derived, so a wrong constant cannot agree with itself.
struct BuildFigures {
  int screenWidth;
  int halfWidth;
  int halfHeight;
  float bloomProjectionX;   // [0][0] of the half-size orthographic projection
  float bloomProjectionY;   // [1][1]
  float cameraProjectionX;  // [0][0] of the 45-degree perspective
};

const BuildFigures Builds[] = {
    {854, 427, 240, 0.0046838406f, -0.0083333338f, 1.3569350f},
    {1280, 640, 360, 0.003125f, -0.0055555557f, 1.3579952f},
    {1920, 960, 540, 0.0020833334f, -0.0037037036f, 1.3579952f},
};

const BuildFigures& ThisBuild() {
  for (const BuildFigures& build : Builds) {
    if (build.screenWidth == ScreenWidth) return build;
  }
  ADD_FAILURE() << "no figures for a " << ScreenWidth << "-pixel build";
  return Builds[0];
}

// The orthographic projection onto 0..right x 0..bottom (y down), depth 0.1..100, from its two scale entries.
glm::mat4 OrthoWithScale(float scaleX, float scaleY) {
  glm::mat4 ortho(0.0f);
  ortho[0][0] = scaleX;
  ortho[1][1] = scaleY;
  ortho[2][2] = -0.02002002f;
  ortho[3][0] = -1.0f;
  ortho[3][1] = 1.0f;
  ortho[3][2] = -1.002002f;
  ortho[3][3] = 1.0f;
  return ortho;
}

glm::mat4 WindowOrtho(int width, int height) { return OrthoWithScale(2.0f / width, -2.0f / height); }

// The camera's perspective at fov 45, far 100.
glm::mat4 CameraPerspective45() {
  glm::mat4 perspective(0.0f);
  perspective[0][0] = ThisBuild().cameraProjectionX;
  perspective[1][1] = 2.4142134f;
  perspective[2][2] = -1.002002f;
  perspective[2][3] = -1.0f;
  perspective[3][2] = -0.2002002f;
  return perspective;
}

glm::mat4 View2D() {
  glm::mat4 view(1.0f);
  view[3][2] = -3.0f;
  return view;
}

void ExpectMatrixEq(const glm::mat4& actual, const glm::mat4& expected, const char* what) {
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) EXPECT_FLOAT_EQ(actual[c][r], expected[c][r]) << what << " [" << c << "][" << r << "]";
  }
}

std::array<GLint, 4> Viewport() {
  std::array<GLint, 4> viewport{};
  glGetIntegerv(GL_VIEWPORT, viewport.data());
  return viewport;
}

GLint PolygonModeFront() {
  GLint modes[2] = {};
  glGetIntegerv(GL_POLYGON_MODE, modes);
  return modes[0];
}

GLint FramebufferOf(int textureId) {
  const Texture* texture = gResourceManager->TextureById(textureId);
  return texture != nullptr ? static_cast<GLint>(texture->framebuffer) : -1;
}

enum class Target { Unchanged, Window, Second, Flat, Bloom };

struct RenderTargetCase {
  int mode;
  Target target;
};

const RenderTargetCase Modes[] = {
    {RenderTargetSecond, Target::Second},
    {RenderTargetScreen, Target::Window},
    {2, Target::Unchanged},
    {RenderTargetFlat, Target::Flat},
    {RenderTargetBloom, Target::Bloom},
    {RenderTargetKeep, Target::Unchanged},
    {6, Target::Unchanged},
    {-1, Target::Unchanged},
};

// Stand-ins that no mode would write, so every change shows.
const glm::mat4 MarkerProjection(2.0f);
const glm::mat4 MarkerView(3.0f);
const glm::mat4 MarkerCameraProjection(5.0f);
const std::array<GLint, 4> MarkerViewport{1, 2, 3, 4};

class RenderTargetTest : public EngineTest {
 protected:
  // Another framebuffer, a small viewport, 3D switches on and marker matrices in the engine.
  void MarkState() {
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(FramebufferOf(gEngine->screenshotTexture)));
    glViewport(MarkerViewport[0], MarkerViewport[1], MarkerViewport[2], MarkerViewport[3]);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    gEngine->projection = MarkerProjection;
    gEngine->view = MarkerView;
    gEngine->camera.projection = MarkerCameraProjection;
  }

  GLint ExpectedFramebuffer(Target target) const {
    switch (target) {
      case Target::Window:
        return 0;
      case Target::Second:
        return FramebufferOf(gEngine->secondTexture);
      case Target::Flat:
        return FramebufferOf(gEngine->flatTarget);
      case Target::Bloom:
        return FramebufferOf(gEngine->bloomTexture);
      case Target::Unchanged:
        break;
    }
    return FramebufferOf(gEngine->screenshotTexture);
  }

  std::array<GLint, 4> ExpectedViewport(Target target) const {
    if (target == Target::Unchanged) return MarkerViewport;
    if (target == Target::Bloom) return {0, 0, ThisBuild().halfWidth, ThisBuild().halfHeight};
    return {0, 0, ScreenWidth, ScreenHeight};
  }

  glm::mat4 ExpectedProjection(Target target) const {
    if (target == Target::Unchanged) return MarkerProjection;
    if (target == Target::Bloom) return OrthoWithScale(ThisBuild().bloomProjectionX, ThisBuild().bloomProjectionY);
    return WindowOrtho(gEngine->width, gEngine->height);
  }
};

TEST_F(RenderTargetTest, EachModeSelectsItsFramebufferViewportAndMatrices) {
  for (const RenderTargetCase& expected : Modes) {
    SCOPED_TRACE(::testing::Message() << "mode " << expected.mode);
    MarkState();
    gEngine->SetRenderTarget(expected.mode);
    EXPECT_EQ(GetInteger(GL_FRAMEBUFFER_BINDING), ExpectedFramebuffer(expected.target));
    EXPECT_EQ(GetInteger(GL_READ_FRAMEBUFFER_BINDING), ExpectedFramebuffer(expected.target));
    EXPECT_EQ(Viewport(), ExpectedViewport(expected.target));
    ExpectMatrixEq(gEngine->projection, ExpectedProjection(expected.target), "projection");
    ExpectMatrixEq(gEngine->view, expected.target == Target::Flat ? View2D() : MarkerView, "view");
    ExpectMatrixEq(gEngine->camera.projection,
                   expected.target == Target::Unchanged ? MarkerCameraProjection : CameraPerspective45(),
                   "camera projection");
    // Only the flat target switches the 3D state off again.
    const bool flat = expected.target == Target::Flat;
    EXPECT_EQ(glIsEnabled(GL_CULL_FACE) == GL_TRUE, !flat);
    EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST) == GL_TRUE, !flat);
    EXPECT_EQ(PolygonModeFront(), flat ? GL_FILL : GL_LINE);
  }
}

TEST_F(RenderTargetTest, RenderTexturesHaveTheirOwnFramebuffersAndFlatIsTheSecond) {
  EXPECT_NE(FramebufferOf(gEngine->secondTexture), 0);
  EXPECT_NE(FramebufferOf(gEngine->bloomTexture), 0);
  EXPECT_NE(FramebufferOf(gEngine->screenshotTexture), 0);
  EXPECT_NE(FramebufferOf(gEngine->secondTexture), FramebufferOf(gEngine->bloomTexture));
  EXPECT_NE(FramebufferOf(gEngine->secondTexture), FramebufferOf(gEngine->screenshotTexture));
  EXPECT_EQ(FramebufferOf(gEngine->flatTarget), FramebufferOf(gEngine->secondTexture));
}

TEST_F(RenderTargetTest, OrthoFollowsTheWindowSizeWhileViewportsAndBloomFollowTheBuild) {
  gEngine->width = ScreenWidth + 64;
  gEngine->height = ScreenHeight + 32;
  const int modes[] = {RenderTargetSecond, RenderTargetScreen, RenderTargetFlat, RenderTargetBloom};
  for (const int mode : modes) {
    SCOPED_TRACE(::testing::Message() << "mode " << mode);
    MarkState();
    gEngine->SetRenderTarget(mode);
    const Target target = mode == RenderTargetBloom ? Target::Bloom : Target::Second;
    EXPECT_EQ(Viewport(), ExpectedViewport(target));
    ExpectMatrixEq(gEngine->projection, ExpectedProjection(target), "projection");
  }
}

struct CameraLensCase {
  float fov;
  float farPlane;
  float expectedY;  // [1][1] = 1 / tan(fov / 2)
};

TEST_F(RenderTargetTest, CameraProjectionIsRebuiltFromFovAndFarPlane) {
  const CameraLensCase lenses[] = {{90.0f, 10.0f, 1.0f}, {60.0f, 50.0f, 1.7320508f}, {45.0f, 100.0f, 2.4142134f}};
  const int modes[] = {RenderTargetSecond, RenderTargetScreen, RenderTargetFlat, RenderTargetBloom};
  for (const CameraLensCase& lens : lenses) {
    for (const int mode : modes) {
      SCOPED_TRACE(::testing::Message() << "fov " << lens.fov << ", far " << lens.farPlane << ", mode " << mode);
      MarkState();
      gEngine->camera.fov = lens.fov;
      gEngine->camera.farPlane = lens.farPlane;
      gEngine->SetRenderTarget(mode);
      const glm::mat4& p = gEngine->camera.projection;
      const float nearPlane = 0.1f;
      EXPECT_NEAR(p[1][1], lens.expectedY, 1e-5f);
      EXPECT_NEAR(p[0][0], lens.expectedY / ScreenAspect, 1e-5f);
      EXPECT_NEAR(p[2][2], -(lens.farPlane + nearPlane) / (lens.farPlane - nearPlane), 1e-6f);
      EXPECT_NEAR(p[3][2], -(2 * lens.farPlane * nearPlane) / (lens.farPlane - nearPlane), 1e-6f);
      EXPECT_EQ(p[2][3], -1.0f);
      EXPECT_EQ(p[3][3], 0.0f);
    }
  }
}

TEST_F(RenderTargetTest, FlatRebuildsTheViewFromThe2DEye) {
  gEngine->eye2D = glm::vec3(1.0f, 2.0f, 5.0f);
  MarkState();
  gEngine->SetRenderTarget(RenderTargetFlat);
  glm::mat4 expected(1.0f);
  expected[3] = glm::vec4(-1.0f, -2.0f, -5.0f, 1.0f);
  ExpectMatrixEq(gEngine->view, expected, "view");
}

struct TargetPixelsCase {
  int mode;
  int width;  // of the target, in pixels
  int height;
};

// A 10 x 10 square drawn at the bottom-right corner of the target's 2D space lands in the target's corner.
TEST_F(RenderTargetTest, DrawsLandInTheSelectedTargetAtItsOwnScale) {
  const TargetPixelsCase cases[] = {
      {RenderTargetSecond, ScreenWidth, ScreenHeight},
      {RenderTargetFlat, ScreenWidth, ScreenHeight},
      {RenderTargetBloom, ThisBuild().halfWidth, ThisBuild().halfHeight},
      {RenderTargetScreen, ScreenWidth, ScreenHeight},
  };
  const Rgba green{0, 255, 0, 255};
  Shader& color2D = Color2D();
  for (const TargetPixelsCase& target : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << target.mode);
    gEngine->SetRenderTarget(target.mode);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_ONE, GL_ZERO);
    glUseProgram(color2D.program);
    glUniform4f(color2D.locations[UniformColor], 0.0f, 1.0f, 0.0f, 1.0f);
    gEngine->DrawQuad(target.width - 10, target.height - 10, 10, 10, &color2D, 0.0f);
    glUseProgram(0);
    EXPECT_TRUE(NearRgb(ReadPixelTopDown(target.width - 1, target.height - 1, target.height), green));
    EXPECT_TRUE(NearRgb(ReadPixelTopDown(target.width - 10, target.height - 10, target.height), green));
    EXPECT_TRUE(
        NearRgb(ReadPixelTopDown(target.width - 11, target.height - 11, target.height), ClearColor));
    if (target.mode != RenderTargetScreen) {
      glBindFramebuffer(GL_FRAMEBUFFER, 0);
      EXPECT_TRUE(NearRgb(PixelAt(ScreenWidth - 1, ScreenHeight - 1), ClearColor)) << "the window stays clear";
    }
  }
}

}  // namespace
}  // namespace brisa_test
