// InitDemo: the asset list in its request order, the ids it fixes, the filters and the placements.
#include <sstream>
#include <vector>

#include "demo/scene.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "resources/shader_effect.h"
#include "scene_fixture.h"

namespace {

using brisa_test::DemoSceneTest;
using brisa_test::EnsureDemoScene;

std::vector<std::string> FirstRequestLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Adding ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

TEST_F(DemoSceneTest, RequestsEveryAssetOnceInItsOrder) {
  const std::vector<std::string> expected = {
      "Adding Shader: TextureMatrix2D (first request)",
      "Adding Shader: TextureMatrix3D (first request)",
      "Adding Shader: Color2D (first request)",
      "Adding Shader: palms_Brisa (first request)",
      "Adding Shader: city (first request)",
      "Adding Shader: road (first request)",
      "Adding Shader: jail_tunnel (first request)",
      "Adding Texture Graphic Assets/BGVapor.jpg (first request)",
      "Adding Texture Graphic Assets/beach.jpg (first request)",
      "Adding Texture Graphic Assets/streets.jpg (first request)",
      "Adding Texture Graphic Assets/city.png (first request)",
      "Adding Shader: PlaneMusic (first request)",
      "Adding Texture Graphic Assets/heightmap.png (first request)",
      "Adding Mesh: Assets/flamingo.obj (first request)",
      "Adding Texture Graphic Assets/flamingo_tex.png (first request)",
      "Adding Mesh: Assets/plane.obj (first request)",
      "Adding Mesh: Assets/windsurf.obj (first request)",
      "Adding Texture Graphic Assets/windsurf_tex.png (first request)",
      "Adding Texture Graphic Assets/Brisa_Vice_6c.png (first request)",
      "Adding Texture Graphic Assets/credits_text.png (first request)",
      "Adding Texture Graphic Assets/papagayo_6c.png (first request)",
      "Adding Texture Graphic Assets/opening.png (first request)",
      "Adding Texture Graphic Assets/lyrics.png (first request)",
      "Adding Texture Graphic Assets/greets.png (first request)",
  };
  EXPECT_EQ(FirstRequestLines(EnsureDemoScene().stdoutText), expected);
  EXPECT_EQ(EnsureDemoScene().stderrText, "");
}

TEST_F(DemoSceneTest, IdsFollowTheRequestOrder) {
  EXPECT_EQ(palmsEffect, 3);
  EXPECT_EQ(cityEffect, 4);
  EXPECT_EQ(roadEffect, 5);
  EXPECT_EQ(jailTunnelEffect, 6);
  EXPECT_EQ(plane->shaderId, 7);
  EXPECT_EQ(plane->textureId, 9);
  EXPECT_EQ(flamingo->meshId, 0);
  EXPECT_EQ(flamingoMeshIndex, 0);
  EXPECT_EQ(plane->meshId, 1);
  EXPECT_EQ(windsurf->meshId, 2);
  EXPECT_EQ(flamingo->textureId, 10);
  EXPECT_EQ(windsurf->textureId, 11);
  EXPECT_EQ(logoTexture, 12);
  EXPECT_EQ(creditsTexture, 13);
  EXPECT_EQ(papagayoTexture, 14);
  EXPECT_EQ(openingTexture, 15);
  EXPECT_EQ(lyricsTexture, 16);
  EXPECT_EQ(greets->texture, 17);
  EXPECT_EQ(gResourceManager->filterLinear, 0);
}

TEST_F(DemoSceneTest, EffectsShareOneTexturePerBackgroundFile) {
  struct Case {
    int32_t effect;
    int32_t count;
    std::vector<int32_t> ids;
  };
  // BGVapor 5, beach 6, streets 7, city.png 8; unused units keep 0.
  const Case cases[] = {
      {palmsEffect, 1, {5, 0, 0, 0}},
      {cityEffect, 4, {6, 7, 5, 8}},
      {roadEffect, 3, {6, 7, 5, 0}},
      {jailTunnelEffect, 1, {5, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.effect);
    auto* effect = dynamic_cast<ShaderEffect*>(gResourceManager->ShaderById(c.effect));
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->textureCount, c.count);
    EXPECT_EQ(std::vector<int32_t>(effect->textureIds, effect->textureIds + 4), c.ids);
  }
}

GLint MagFilterOf(int32_t textureId) {
  const Texture* texture = gResourceManager->TextureById(textureId);
  if (texture == nullptr) return 0;
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, texture->texture);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
  glBindTexture(GL_TEXTURE_2D, 0);
  return filter;
}

TEST_F(DemoSceneTest, BackgroundsAndModelTexturesAreLinearSpritesNearest) {
  const int32_t linear[] = {5, 6, 7, 8, plane->textureId, flamingo->textureId, windsurf->textureId};
  for (int32_t id : linear) {
    SCOPED_TRACE(id);
    EXPECT_EQ(MagFilterOf(id), GL_LINEAR);
  }
  const int32_t nearest[] = {logoTexture, creditsTexture, papagayoTexture, openingTexture, lyricsTexture,
                             greets->texture};
  for (int32_t id : nearest) {
    SCOPED_TRACE(id);
    EXPECT_EQ(MagFilterOf(id), GL_NEAREST);
  }
}

TEST_F(DemoSceneTest, PlacesTheObjectsWithTheirShowValues) {
  EXPECT_EQ(flamingo->position, glm::vec3(2.2f, 1.3f, -1.5f));
  EXPECT_EQ(flamingo->rotationDegrees, glm::vec3(0.0f, 15.0f, 0.0f));
  EXPECT_FLOAT_EQ(flamingo->orientation.y, 0.13052620f);
  EXPECT_FLOAT_EQ(flamingo->orientation.w, 0.99144486f);
  EXPECT_EQ(flamingoFullCount, gResourceManager->MeshById(flamingoMeshIndex)->indexCount);
  EXPECT_EQ(flamingoFullCount, 3);

  EXPECT_EQ(plane->color, 0xFF0FFFFFu);
  EXPECT_EQ(plane->scrollSpeed, 0.1f);
  EXPECT_EQ(plane->cameraOffset, glm::vec3(0.0f, 2.0f, 0.0f));
  EXPECT_EQ(plane->cameraPitch, -40.0f);
  EXPECT_FALSE(plane->depthTest);

  EXPECT_EQ(windsurf->position, glm::vec3(6.0f, -1.0f, -1.0f));
  EXPECT_EQ(windsurf->rotationDegrees, glm::vec3(0.0f));

  EXPECT_EQ(lyricsPosition, glm::vec2(static_cast<float>(ScreenWidth), 0.75f * ScreenHeight));
  EXPECT_EQ(tiles->renderTexture, gEngine->screenshotTexture);
  EXPECT_EQ(greets->state, GreetWaiting);
}

}  // namespace
