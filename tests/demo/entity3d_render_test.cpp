// Scene objects on the real driver: what they draw, the state they hand back, the terrain camera.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "demo/scene.h"
#include "engine/engine.h"
#include "resources/mesh.h"
#include "resources/resource_manager.h"
#include "scene_fixture.h"
#include "support/demo_assets.h"

namespace {

using brisa_test::DemoSceneTest;
using brisa_test::IsBlack;
using brisa_test::Near;
using brisa_test::Rgba;

void ClearScreen() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

Rgba Centre() {
  return brisa_test::ReadPixelTopDown(ScreenWidth / 2, ScreenHeight / 2, ScreenHeight);
}

// The 2D state every scene-object draw must hand back.
void Expect2DState() {
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  GLint polygonMode[2] = {0, 0};
  glGetIntegerv(GL_POLYGON_MODE, polygonMode);
  EXPECT_EQ(polygonMode[0], GL_FILL);
  const glm::mat4 ortho = glm::orthoRH_NO(0.0f, static_cast<float>(gEngine->width),
                                          static_cast<float>(gEngine->height), 0.0f, 0.1f, 100.0f);
  EXPECT_EQ(gEngine->projection, ortho);
  glm::mat4 view2D(1.0f);
  view2D[3][2] = -3.0f;
  EXPECT_EQ(gEngine->view, view2D);
}

// The flamingo's triangle in front of the camera, over the middle of the screen.
void FaceTheCamera(Entity3D& entity) {
  entity.position = glm::vec3(0.0f);
  entity.SetRotationDegrees(glm::vec3(0.0f));
}

struct WindowPixel {
  int x;
  int y;
};

// Where a world point lands on the window under the camera the entities draw with, top row 0.
WindowPixel OnWindow(const glm::vec3& world) {
  const Camera& camera = gEngine->camera;
  const glm::vec4 clip = camera.projection * camera.view * glm::vec4(world, 1.0f);
  return {static_cast<int>(std::floor((clip.x / clip.w + 1.0f) * 0.5f * ScreenWidth)),
          static_cast<int>(std::floor((1.0f - clip.y / clip.w) * 0.5f * ScreenHeight))};
}

Rgba PixelAtWorld(const glm::vec3& world) {
  const WindowPixel pixel = OnWindow(world);
  return brisa_test::ReadPixelTopDown(pixel.x, pixel.y, ScreenHeight);
}

// A one-pixel line need not fall on the very column its end points project to.
bool RowHasColourNear(const WindowPixel& pixel, brisa_test::FixtureColor color) {
  for (int x = pixel.x - 2; x <= pixel.x + 2; ++x) {
    if (Near(brisa_test::ReadPixelTopDown(x, pixel.y, ScreenHeight), color)) return true;
  }
  return false;
}

// A square outline of four segments, 2 x 2 around its origin: a line-mode mesh the show never loads,
// loaded once into the scene's manager from the scene's working folder.
int OutlineMeshId() {
  static const int id = [] {
    std::ofstream("outline.obj") << "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\nl 1 2 3 4 1\n";
    return gResourceManager->GetMesh("outline.obj");
  }();
  return id;
}

TEST_F(DemoSceneTest, TexturedEntityDrawsItsTextureAndHandsBack2D) {
  FaceTheCamera(*flamingo);
  ClearScreen();
  flamingo->Render();
  EXPECT_TRUE(Near(Centre(), brisa_test::MeshTextureColor)) << Centre();
  Expect2DState();
  EXPECT_EQ(brisa_test::GetInteger(GL_CURRENT_PROGRAM), 0);
  EXPECT_EQ(brisa_test::GetInteger(GL_TEXTURE_BINDING_2D), 0);
}

TEST_F(DemoSceneTest, TexturedMeshShowsItsImageTheRightWayUp) {
  // The triangle's apex has v = 1, the top of the image in OBJ terms; its base has v = 0.
  FaceTheCamera(*windsurf);
  ClearScreen();
  windsurf->Render();
  const Rgba upper = PixelAtWorld({0.0f, 0.5f, 0.0f});
  const Rgba lower = PixelAtWorld({0.0f, -0.5f, 0.0f});
  EXPECT_TRUE(Near(upper, brisa_test::WindsurfTopColor)) << upper;
  EXPECT_TRUE(Near(lower, brisa_test::WindsurfBottomColor)) << lower;
}

TEST_F(DemoSceneTest, EachEntityDrawsWithItsOwnDepthTest) {
  struct Case {
    const char* what;
    bool fartherDepthTest;
    brisa_test::FixtureColor centre;
  };
  const brisa_test::FixtureColor nearer{0x33, 0x66, 0xCC};
  const Case cases[] = {
      {"with its depth test the farther mesh stays hidden", true, nearer},
      {"without it the farther mesh, drawn last, covers the nearer one", false, brisa_test::MeshTextureColor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FaceTheCamera(*windsurf);
    windsurf->position.z = 0.5f;
    windsurf->textureId = -1;
    windsurf->color = 0xFF3366CCu;
    windsurf->depthTest = true;
    FaceTheCamera(*flamingo);
    flamingo->position.z = -0.5f;
    flamingo->depthTest = c.fartherDepthTest;
    ClearScreen();
    windsurf->Render();
    flamingo->Render();
    EXPECT_TRUE(Near(Centre(), c.centre)) << Centre();
    Expect2DState();
  }
}

TEST_F(DemoSceneTest, LineMeshDrawsItsSegmentsInTheEntityColourWhateverItsTexture) {
  FaceTheCamera(*flamingo);
  flamingo->meshId = OutlineMeshId();
  const Mesh* outline = gResourceManager->MeshById(flamingo->meshId);
  ASSERT_NE(outline, nullptr);
  ASSERT_EQ(outline->mode, MeshLines);
  ASSERT_NE(flamingo->textureId, -1);
  flamingo->color = 0xFF33CC66u;
  const brisa_test::FixtureColor lineColour{0x33, 0xCC, 0x66};
  ClearScreen();
  flamingo->Render();
  EXPECT_TRUE(RowHasColourNear(OnWindow({-1.0f, 0.0f, 0.0f}), lineColour)) << "left side";
  EXPECT_TRUE(RowHasColourNear(OnWindow({1.0f, 0.0f, 0.0f}), lineColour)) << "right side";
  Expect2DState();
  EXPECT_EQ(brisa_test::GetInteger(GL_CURRENT_PROGRAM), 0);
}

TEST_F(DemoSceneTest, EntityAlphaReachesTheDrawOnlyForThatDraw) {
  FaceTheCamera(*flamingo);
  flamingo->alpha = 0;
  ClearScreen();
  flamingo->Render();
  EXPECT_TRUE(IsBlack(Centre())) << Centre() << "alpha 0 draws nothing visible";
  EXPECT_EQ(gResourceManager->TextureById(flamingo->textureId)->color[3], 1.0f);
}

TEST_F(DemoSceneTest, EntityWithoutUsableResourcesDrawsNothingAndStillHandsBack2D) {
  struct Case {
    const char* what;
    int32_t meshId;
    int32_t textureId;
    bool hidden;
  };
  const Case cases[] = {
      {"no mesh", -1, 10, false},
      {"mesh id past the end", 99, 10, false},
      {"texture id past the end", 0, 99, false},
      {"hidden", 0, 10, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FaceTheCamera(*flamingo);
    flamingo->meshId = c.meshId;
    flamingo->textureId = c.textureId;
    flamingo->hidden = c.hidden;
    gEngine->SetOrtho();
    ClearScreen();
    flamingo->Render();
    EXPECT_TRUE(IsBlack(Centre())) << Centre();
    Expect2DState();
  }
}

TEST_F(DemoSceneTest, TexturedMeshWithoutTextureDrawsInTheEntityColour) {
  FaceTheCamera(*windsurf);
  windsurf->textureId = -1;
  windsurf->color = 0xFF3366CCu;
  ClearScreen();
  windsurf->Render();
  EXPECT_TRUE(Near(Centre(), {0x33, 0x66, 0xCC})) << Centre();
  Expect2DState();
}

TEST_F(DemoSceneTest, TerrainRowsWrapToExactlyMinusTwelveOnlyPastSix) {
  struct Case {
    const char* what;
    float z;
    float speed;
    float expected;
  };
  const Case cases[] = {
      {"past 6 wraps to -12, not to z - 18", 5.95f, 0.1f, -12.0f},
      {"exactly 6 stays", 5.5f, 0.5f, 6.0f},
      {"below 6 scrolls", -12.0f, 0.25f, -11.75f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (TileOffset& row : plane->tileOffsets) row.z = c.z;
    plane->scrollSpeed = c.speed;
    plane->Update();
    for (const TileOffset& row : plane->tileOffsets) EXPECT_EQ(row.z, c.expected);
  }
}

TEST_F(DemoSceneTest, TerrainRowsStayWithinTheirRangeWhileScrolling) {
  plane->scrollSpeed = 0.1f;
  for (int frame = 0; frame < 400; ++frame) {
    plane->Update();
    for (const TileOffset& row : plane->tileOffsets) {
      ASSERT_GE(row.z, -12.0f);
      ASSERT_LE(row.z, 6.0f);
    }
  }
  EXPECT_EQ(plane->tileOffsets[2].x, 6.2f) << "columns never move";
}

TEST_F(DemoSceneTest, TerrainCameraRisesFromTheStartPositionWithTheBeat) {
  gEngine->camera.startPosition = {0.0f, 0.0f, 3.0f};
  plane->cameraOffset = {0.0f, 2.0f, 0.0f};
  plane->amplitude = 1.0f;
  demoClock.timeMs = 0;
  plane->Update();
  EXPECT_EQ(plane->cameraPosition, glm::vec3(0.0f, 2.7f, 3.0f));
  demoClock.timeMs = 1571;
  plane->amplitude = 0.6f;
  plane->Update();
  EXPECT_NEAR(plane->cameraPosition.y, 2.0f + 0.7f + 0.6f * 0.2f, 1e-5f);
}

std::vector<uint8_t> ReadScreen() {
  std::vector<uint8_t> pixels(static_cast<size_t>(ScreenWidth) * ScreenHeight * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, ScreenWidth, ScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

std::vector<uint8_t> TerrainFrameAtPitch(float pitch) {
  plane->cameraPitch = pitch;
  plane->cameraPosition = {0.0f, 2.0f, 3.0f};
  ClearScreen();
  plane->Render();
  return ReadScreen();
}

TEST_F(DemoSceneTest, TerrainPitchIsClampedToEightyNineDegrees) {
  const auto count = [](const std::vector<uint8_t>& frame) {
    return std::count_if(frame.begin(), frame.end(), [](uint8_t v) { return v != 0; });
  };
  const std::vector<uint8_t> below = TerrainFrameAtPitch(-100.0f);
  const std::vector<uint8_t> limit = TerrainFrameAtPitch(-89.0f);
  EXPECT_GT(count(limit), 0) << "looking down at the terrain shows it";
  EXPECT_TRUE(below == limit);
  EXPECT_TRUE(TerrainFrameAtPitch(95.0f) == TerrainFrameAtPitch(89.0f));
  EXPECT_FALSE(TerrainFrameAtPitch(-60.0f) == limit);
}

TEST_F(DemoSceneTest, TerrainPutsTheCameraBackAndLeavesTheLastTilePlaced) {
  Camera& camera = gEngine->camera;
  const glm::vec3 before = camera.position;
  plane->cameraPosition = {0.0f, 5.0f, 1.0f};
  plane->cameraPitch = -40.0f;
  ClearScreen();
  plane->Render();
  EXPECT_EQ(camera.position, before);
  EXPECT_EQ(camera.pitch, 0.0f);
  EXPECT_NEAR(camera.front.z, -1.0f, 1e-6f);
  EXPECT_EQ(plane->position.x, plane->tileOffsets[2].x);
  EXPECT_EQ(plane->position.z, plane->tileOffsets[2].z);
  Expect2DState();
}

TEST_F(DemoSceneTest, TerrainWithoutMeshDrawsNothingAndMovesNoCamera) {
  plane->meshId = -1;
  plane->cameraPosition = {0.0f, 5.0f, 1.0f};
  const glm::mat4 viewBefore = gEngine->camera.view;
  ClearScreen();
  plane->Render();
  EXPECT_EQ(gEngine->camera.view, viewBefore);
  EXPECT_TRUE(IsBlack(Centre())) << Centre();
  Expect2DState();
}

}  // namespace
