// The terrain: a heightmap that tiles, a tile whose opposite edges meet, and the PlaneMusic shader
// lifting the wireframe by the heightmap and the beat pulse on the real driver.
#include <stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "resources/obj_parser.h"
#include "resources/resource_manager.h"
#include "support/gl_context.h"
#include "support/work_dir.h"

namespace {

using brisa_test::StagedPath;

constexpr int FloatsPerVertex = 5;
constexpr float HalfTile = 3.0f;

struct Heightmap {
  int width = 0, height = 0, channels = 0;
  std::vector<uint8_t> pixels;
  int At(int x, int y) const { return pixels[(size_t(y) * width + x) * channels]; }
};

Heightmap LoadHeightmap() {
  Heightmap map;
  uint8_t* data = stbi_load(StagedPath("Assets/heightmap.png").c_str(), &map.width, &map.height, &map.channels, 0);
  EXPECT_NE(data, nullptr);
  if (data != nullptr) {
    map.pixels.assign(data, data + size_t(map.width) * map.height * map.channels);
    stbi_image_free(data);
  }
  return map;
}

// Opposite borders are neighbours once the map repeats: they differ only by one smooth step.
TEST(SceneryHeightmap, TilesSeamlesslyAndHasRelief) {
  const Heightmap map = LoadHeightmap();
  ASSERT_GT(map.width, 1);
  ASSERT_TRUE(map.channels == 3 || map.channels == 4);
  int worstColumns = 0, worstRows = 0, low = 255, high = 0;
  for (int y = 0; y < map.height; ++y) worstColumns = std::max(worstColumns, std::abs(map.At(0, y) - map.At(map.width - 1, y)));
  for (int x = 0; x < map.width; ++x) worstRows = std::max(worstRows, std::abs(map.At(x, 0) - map.At(x, map.height - 1)));
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      low = std::min(low, map.At(x, y));
      high = std::max(high, map.At(x, y));
    }
  }
  EXPECT_LE(worstColumns, 8);
  EXPECT_LE(worstRows, 8);
  EXPECT_GT(high - low, 120) << "a flat map would pass the seam check for nothing";
}

// Neighbouring tiles (and a row that wraps to the back) put one tile's edge against the opposite
// edge of the next: every edge vertex needs a partner there whose coordinate differs by exactly
// one repeat, so the repeating heightmap gives both the same height.
TEST(SceneryTerrainTile, OppositeEdgesMatchVertexForVertex) {
  ObjMeshData data;
  ASSERT_EQ(ParseObjFile(StagedPath("Assets/plane.obj").c_str(), data), ObjParseStatus::Ok);
  ASSERT_EQ(data.mode, MeshTextured);
  for (int axis : {0, 2}) {
    SCOPED_TRACE(axis == 0 ? "x edges" : "z edges");
    const int across = axis == 0 ? 2 : 0;  // the coordinate along the edge
    const int uvAxis = axis == 0 ? 3 : 4;
    std::map<float, float> lowEdge, highEdge;  // along-edge position to the coordinate across
    for (size_t i = 0; i < data.vertexData.size(); i += FloatsPerVertex) {
      const float* v = &data.vertexData[i];
      EXPECT_LE(std::abs(v[axis]), HalfTile);
      EXPECT_FLOAT_EQ(v[1], 0.0f);
      if (v[axis] == -HalfTile) lowEdge[v[across]] = v[uvAxis];
      if (v[axis] == HalfTile) highEdge[v[across]] = v[uvAxis];
    }
    ASSERT_GT(lowEdge.size(), 2u);
    ASSERT_EQ(lowEdge.size(), highEdge.size());
    for (const auto& [along, coordinate] : lowEdge) {
      ASSERT_EQ(highEdge.count(along), 1u) << along;
      EXPECT_FLOAT_EQ(highEdge[along] - coordinate, 1.0f);
    }
  }
}

class PlaneMusicTest : public brisa_test::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    if (gResourceManager == nullptr) CreateResourceManager();
    dir_.CopyStagedShaders();
    ASSERT_TRUE(dir_.CopyStagedAsset("Assets/plane.obj"));
    ASSERT_TRUE(dir_.CopyStagedAsset("Assets/heightmap.png"));
  }
  brisa_test::ScopedWorkDir dir_;
};

TEST_F(PlaneMusicTest, LinksWithEveryTerrainUniformAndBothInputs) {
  const Shader* shader = gResourceManager->ShaderById(gResourceManager->GetShader("PlaneMusic", ShaderTypePlaneMusic));
  ASSERT_NE(shader, nullptr);
  ASSERT_TRUE(shader->loaded);
  for (UniformIndex used : {UniformModel, UniformView, UniformProjection, UniformColor, UniformHeightmap,
                            UniformFactorMap}) {
    EXPECT_NE(shader->locations[used], -1) << "uniform " << used;
  }
  EXPECT_EQ(glGetAttribLocation(shader->program, "aPosition"), 0);
  EXPECT_EQ(glGetAttribLocation(shader->program, "aTexCoord"), 1);
}

struct Frame {
  std::vector<uint8_t> rgba;
  int litPixels = 0;
  int cyanPixels = 0;
};

constexpr int FrameSize = 256;

// The tile in wireframe through a camera 0.7 above the ground, looking 20 degrees down.
Frame DrawTile(const Shader& shader, const Mesh& mesh, GLuint heightmap, float factor) {
  glViewport(0, 0, FrameSize, FrameSize);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glUseProgram(shader.program);
  const glm::mat4 projection = glm::perspective(glm::radians(45.0f), 1.0f, 0.1f, 100.0f);
  const glm::vec3 eye(0.0f, 0.7f, 3.0f);
  const glm::vec3 front(0.0f, -std::sin(glm::radians(20.0f)), -std::cos(glm::radians(20.0f)));
  const glm::mat4 view = glm::lookAt(eye, eye + front, glm::vec3(0, 1, 0));
  const glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(0.2f, 0.0f, -1.0f));
  glUniformMatrix4fv(shader.locations[UniformProjection], 1, GL_FALSE, glm::value_ptr(projection));
  glUniformMatrix4fv(shader.locations[UniformView], 1, GL_FALSE, glm::value_ptr(view));
  glUniformMatrix4fv(shader.locations[UniformModel], 1, GL_FALSE, glm::value_ptr(model));
  glUniform4f(shader.locations[UniformColor], 15 / 255.0f, 1.0f, 1.0f, 1.0f);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, heightmap);
  glUniform1i(shader.locations[UniformHeightmap], 0);
  glUniform1f(shader.locations[UniformFactorMap], factor);
  glBindVertexArray(mesh.vao);
  glDrawElements(GL_TRIANGLES, mesh.indexCount, GL_UNSIGNED_INT, nullptr);
  glBindVertexArray(0);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glUseProgram(0);
  Frame frame;
  frame.rgba.resize(size_t(FrameSize) * FrameSize * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, FrameSize, FrameSize, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
  for (size_t i = 0; i < frame.rgba.size(); i += 4) {
    const uint8_t r = frame.rgba[i], g = frame.rgba[i + 1], b = frame.rgba[i + 2];
    if (g < 40 && b < 40) continue;
    ++frame.litPixels;
    if (g > r + 30 && b > r + 30) ++frame.cyanPixels;
  }
  return frame;
}

// The beat pulse must visibly move the grid, and the lines keep the colour the terrain sends.
TEST_F(PlaneMusicTest, BeatPulseLiftsTheWireframeInItsColour) {
  const Shader* shader = gResourceManager->ShaderById(gResourceManager->GetShader("PlaneMusic", ShaderTypePlaneMusic));
  const Mesh* mesh = gResourceManager->MeshById(gResourceManager->GetMesh("Assets/plane.obj"));
  gResourceManager->filterLinear = 1;
  const Texture* heightmap = gResourceManager->TextureById(gResourceManager->GetTexture("Assets/heightmap.png"));
  gResourceManager->filterLinear = 0;
  ASSERT_TRUE(shader != nullptr && mesh != nullptr && heightmap != nullptr);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  const Frame calm = DrawTile(*shader, *mesh, heightmap->texture, 0.6f);
  const Frame beat = DrawTile(*shader, *mesh, heightmap->texture, 1.0f);
  const Frame flat = DrawTile(*shader, *mesh, heightmap->texture, 0.0f);
  EXPECT_GT(calm.litPixels, 2000);
  EXPECT_GT(calm.cyanPixels, calm.litPixels / 2);
  EXPECT_NE(calm.rgba, beat.rgba);
  EXPECT_NE(calm.rgba, flat.rgba);
  glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace
