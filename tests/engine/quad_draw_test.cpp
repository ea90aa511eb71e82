// Engine::DrawQuad and Engine::FillScreen on the real driver: coverage, turning about the centre, left-over state.
#include <vector>

#include "engine_fixture.h"

namespace brisa_test {
namespace {

struct ScreenPoint {
  int x;
  int y;
};

// The four corner pixels and the centre of the window.
const ScreenPoint ScreenProbes[] = {
    {0, 0},
    {ScreenWidth - 1, 0},
    {0, ScreenHeight - 1},
    {ScreenWidth - 1, ScreenHeight - 1},
    {ScreenWidth / 2, ScreenHeight / 2},
};

Rgba OpaqueRgb(uint32_t argb) { return Rgba{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), 255}; }

class QuadDrawTest : public EngineTest {};

TEST_F(QuadDrawTest, FillScreenWithAnOpaqueColourCoversTheWholeWindow) {
  for (const uint32_t argb : {0xFF102030u, 0xFFFFFFFFu, 0xFF00FF00u}) {
    SCOPED_TRACE(::testing::Message() << std::hex << argb);
    glClear(GL_COLOR_BUFFER_BIT);
    gEngine->FillScreen(argb);
    for (const ScreenPoint& probe : ScreenProbes) {
      EXPECT_TRUE(NearRgb(PixelAt(probe.x, probe.y), OpaqueRgb(argb))) << "at " << probe.x << "," << probe.y;
    }
  }
}

struct TranslucentFillCase {
  uint32_t argb;
  uint8_t alpha;
};

TEST_F(QuadDrawTest, FillScreenBlendsByItsAlphaByte) {
  // Alpha 0 still draws, invisibly.
  const TranslucentFillCase cases[] = {{0x00FF0000u, 0}, {0x80FF0000u, 128}, {0x4000FF80u, 64}};
  for (const TranslucentFillCase& fill : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << fill.argb);
    glClear(GL_COLOR_BUFFER_BIT);
    gEngine->FillScreen(fill.argb);
    const Rgba expected = BlendOver(OpaqueRgb(fill.argb), ClearColor, fill.alpha);
    for (const ScreenPoint& probe : ScreenProbes) {
      EXPECT_TRUE(NearRgb(PixelAt(probe.x, probe.y), expected)) << "at " << probe.x << "," << probe.y;
    }
  }
}

TEST_F(QuadDrawTest, FillScreenIsSizedByTheBuildNotByTheWindowSizeTheProjectionFollows) {
  gEngine->width = 2 * ScreenWidth;
  gEngine->height = 2 * ScreenHeight;
  gEngine->SetOrtho();
  gEngine->FillScreen(0xFFFFFFFFu);
  const Rgba white{255, 255, 255, 255};
  EXPECT_TRUE(NearRgb(PixelAt(0, 0), white));
  EXPECT_TRUE(NearRgb(PixelAt(ScreenWidth / 2 - 2, ScreenHeight / 2 - 2), white));
  EXPECT_TRUE(NearRgb(PixelAt(ScreenWidth / 2 + 2, ScreenHeight / 2 + 2), ClearColor));
  EXPECT_TRUE(NearRgb(PixelAt(ScreenWidth - 1, 0), ClearColor));
}

TEST_F(QuadDrawTest, FillScreenLeavesProgramZeroAndTheAlphaBlendFunction) {
  glBlendFunc(GL_ONE, GL_ONE);
  glUseProgram(Color2D().program);
  glBindVertexArray(gEngine->quadVao);
  gEngine->FillScreen(0xFF405060u);
  EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), 0);
  EXPECT_EQ(GetInteger(GL_VERTEX_ARRAY_BINDING), 0);
  EXPECT_EQ(GetInteger(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
  EXPECT_EQ(GetInteger(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(GetInteger(GL_BLEND_SRC_ALPHA), GL_SRC_ALPHA);
  EXPECT_EQ(GetInteger(GL_BLEND_DST_ALPHA), GL_ONE_MINUS_SRC_ALPHA);
}

// An 80 x 20 quad with its top-left corner at (100, 100): centre (140, 110).
constexpr int QuadX = 100;
constexpr int QuadY = 100;
constexpr unsigned QuadWidth = 80;
constexpr unsigned QuadHeight = 20;

struct TurnedQuadCase {
  float angleDegrees;
  std::vector<ScreenPoint> inside;
  std::vector<ScreenPoint> outside;
};

TEST_F(QuadDrawTest, DrawQuadTurnsAboutTheQuadsCentre) {
  const std::vector<ScreenPoint> lying{{103, 103}, {176, 117}};
  const std::vector<ScreenPoint> standing{{140, 73}, {140, 147}};
  const TurnedQuadCase cases[] = {
      {0.0f, lying, standing},
      {90.0f, standing, lying},
      {180.0f, lying, standing},
      {-90.0f, standing, lying},
      // Clockwise on screen: the long axis runs from top-left to bottom-right.
      {45.0f, {{161, 131}, {119, 89}}, {{161, 89}, {119, 131}}},
  };
  const Rgba colour{250, 240, 0, 255};
  for (const TurnedQuadCase& quad : cases) {
    SCOPED_TRACE(quad.angleDegrees);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_ONE, GL_ZERO);
    glUseProgram(Color2D().program);
    glUniform4f(Color2D().locations[UniformColor], colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f, 1.0f);
    gEngine->DrawQuad(QuadX, QuadY, QuadWidth, QuadHeight, &Color2D(), quad.angleDegrees);
    EXPECT_TRUE(NearRgb(PixelAt(140, 110), colour)) << "the centre stays put";
    for (const ScreenPoint& probe : quad.inside) {
      EXPECT_TRUE(NearRgb(PixelAt(probe.x, probe.y), colour)) << "inside at " << probe.x << "," << probe.y;
    }
    for (const ScreenPoint& probe : quad.outside) {
      EXPECT_TRUE(NearRgb(PixelAt(probe.x, probe.y), ClearColor)) << "outside at " << probe.x << "," << probe.y;
    }
  }
}

TEST_F(QuadDrawTest, DrawQuadUploadsTheMatricesAndKeepsTheCallersProgram) {
  gEngine->view[3][0] = 7.0f;  // a view of its own, to tell it from the 2D one
  glUseProgram(Color2D().program);
  gEngine->DrawQuad(QuadX, QuadY, QuadWidth, QuadHeight, &Color2D(), 90.0f);
  EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), static_cast<GLint>(Color2D().program));
  EXPECT_EQ(GetInteger(GL_VERTEX_ARRAY_BINDING), 0);
  const GLuint program = Color2D().program;
  const std::vector<float> projection = UniformFloats(program, "projection", 16);
  const std::vector<float> view = UniformFloats(program, "view", 16);
  const std::vector<float> model = UniformFloats(program, "model", 16);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(projection[i], gEngine->projection[i / 4][i % 4]) << "projection " << i;
    EXPECT_EQ(view[i], gEngine->view[i / 4][i % 4]) << "view " << i;
  }
  // Translate to the centre, a quarter turn, then the size: x runs down the screen, y to the left.
  const float expectedModel[16] = {0, 80, 0, 0, -20, 0, 0, 0, 0, 0, 1, 0, 140, 110, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(model[i], expectedModel[i], 1e-4f) << "model " << i;
}

}  // namespace
}  // namespace brisa_test
