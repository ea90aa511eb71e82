// The generated meshes and textures as the show loads them: modes, index counts, channels, the
// flamingo's build-up order and the framing of both models through the show's camera.
#include <stb_image.h>

#include <algorithm>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include "config/screen.h"
#include "resources/obj_parser.h"
#include "resources/resource_manager.h"
#include "support/gl_context.h"
#include "support/work_dir.h"

namespace {

using brisa_test::StagedPath;

constexpr int FloatsPerVertex = 5;

struct MeshExpectation {
  const char* path;
  int minIndices;
  int maxIndices;
};

// The flamingo's range keeps the note-driven build-up and the tear-down inside their orders.
const MeshExpectation Meshes[] = {
    {"Assets/flamingo.obj", 3000, 3300},
    {"Assets/windsurf.obj", 1500, 6000},
    {"Assets/plane.obj", 1536, 6000},
};

ObjMeshData Parse(const char* relativePath) {
  ObjMeshData data;
  EXPECT_EQ(ParseObjFile(StagedPath(relativePath).c_str(), data), ObjParseStatus::Ok) << relativePath;
  return data;
}

glm::vec3 PositionOf(const ObjMeshData& data, uint32_t vertex) {
  const float* v = &data.vertexData[size_t(vertex) * FloatsPerVertex];
  return {v[0], v[1], v[2]};
}

class SceneryMeshTest : public brisa_test::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    if (gResourceManager == nullptr) CreateResourceManager();
    for (const char* asset : {"Assets/flamingo.obj", "Assets/windsurf.obj", "Assets/plane.obj",
                              "Assets/flamingo_tex.png", "Assets/windsurf_tex.png", "Assets/heightmap.png"}) {
      ASSERT_TRUE(dir_.CopyStagedAsset(asset)) << asset;
    }
  }
  brisa_test::ScopedWorkDir dir_;
};

TEST_F(SceneryMeshTest, EveryMeshLoadsTexturedWithItsIndexCount) {
  for (const MeshExpectation& expected : Meshes) {
    SCOPED_TRACE(expected.path);
    const Mesh* mesh = gResourceManager->MeshById(gResourceManager->GetMesh(expected.path));
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->mode, MeshTextured);
    EXPECT_GE(mesh->indexCount, expected.minIndices);
    EXPECT_LE(mesh->indexCount, expected.maxIndices);
    EXPECT_EQ(mesh->indexCount % 3, 0);
    GLint uploadedBytes = 0;
    glBindVertexArray(mesh->vao);
    glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &uploadedBytes);
    glBindVertexArray(0);
    EXPECT_EQ(uploadedBytes, mesh->indexCount * 4);
  }
}

// Repeat wrapping would silently sample another swatch for a coordinate outside 0..1.
TEST_F(SceneryMeshTest, TextureCoordinatesStayInsideTheImage) {
  for (const MeshExpectation& expected : Meshes) {
    SCOPED_TRACE(expected.path);
    const ObjMeshData data = Parse(expected.path);
    ASSERT_EQ(data.vertexData.size() % FloatsPerVertex, 0u);
    for (size_t i = 0; i < data.vertexData.size(); i += FloatsPerVertex) {
      for (size_t k = 3; k < 5; ++k) {
        ASSERT_GE(data.vertexData[i + k], 0.0f);
        ASSERT_LE(data.vertexData[i + k], 1.0f);
      }
    }
  }
}

TEST_F(SceneryMeshTest, TexturesDecodeWithThreeOrFourChannelsAndUploadAsSuch) {
  for (const char* path : {"Assets/flamingo_tex.png", "Assets/windsurf_tex.png", "Assets/heightmap.png"}) {
    SCOPED_TRACE(path);
    int width = 0, height = 0, channels = 0;
    ASSERT_EQ(stbi_info(path, &width, &height, &channels), 1);
    EXPECT_TRUE(channels == 3 || channels == 4);
    gResourceManager->filterLinear = 1;
    const Texture* texture = gResourceManager->TextureById(gResourceManager->GetTexture(path));
    gResourceManager->filterLinear = 0;
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->width, width);
    EXPECT_EQ(texture->height, height);
  }
}

float CentroidHeight(const ObjMeshData& data, size_t triangle) {
  const uint32_t* corner = &data.indices[triangle * 3];
  return (PositionOf(data, corner[0]).y + PositionOf(data, corner[1]).y + PositionOf(data, corner[2]).y) / 3.0f;
}

// The show draws a growing prefix of the index list: the bird must grow from its feet.
TEST(SceneryFlamingo, FacesRiseFromTheFeetToTheHead) {
  const ObjMeshData data = Parse("Assets/flamingo.obj");
  const size_t triangles = data.indices.size() / 3;
  ASSERT_GT(triangles, 0u);
  float lowest = 1e9f, highest = -1e9f;
  for (size_t v = 0; v < data.vertexData.size() / FloatsPerVertex; ++v) {
    lowest = std::min(lowest, PositionOf(data, uint32_t(v)).y);
    highest = std::max(highest, PositionOf(data, uint32_t(v)).y);
  }
  EXPECT_GT(highest - lowest, 1.2f) << "about 1.5 units tall";
  float previous = CentroidHeight(data, 0);
  EXPECT_LT(previous, lowest + 0.05f);
  for (size_t t = 1; t < triangles; ++t) {
    const float height = CentroidHeight(data, t);
    ASSERT_GE(height, previous - 1e-4f) << "triangle " << t;
    previous = height;
  }
  EXPECT_GT(previous, highest - 0.15f);
}

struct Bounds {
  glm::vec2 low{1e9f};
  glm::vec2 high{-1e9f};
};

// Screen extent (normalised device coordinates) of every vertex through the show's camera:
// eye (0, 0, 3) looking down -z, 45 degrees, near 0.1, far 100.
Bounds ProjectedBounds(const ObjMeshData& data, const glm::vec3& position, const glm::vec3& degrees) {
  const glm::mat4 projection = glm::perspective(glm::radians(45.0f), ScreenAspect, 0.1f, 100.0f);
  const glm::mat4 view = glm::lookAt(glm::vec3(0, 0, 3), glm::vec3(0, 0, 2), glm::vec3(0, 1, 0));
  const glm::mat4 model = glm::translate(glm::mat4(1.0f), position) * glm::mat4_cast(glm::quat(glm::radians(degrees)));
  Bounds bounds;
  for (size_t v = 0; v < data.vertexData.size() / FloatsPerVertex; ++v) {
    const glm::vec4 clip = projection * view * model * glm::vec4(PositionOf(data, uint32_t(v)), 1.0f);
    const glm::vec2 ndc = glm::vec2(clip) / clip.w;
    bounds.low = glm::min(bounds.low, ndc);
    bounds.high = glm::max(bounds.high, ndc);
  }
  return bounds;
}

// Both birds of the mirror pair, at the top and bottom of their bob, stay whole on screen and
// fill a fair part of its height.
TEST(SceneryFraming, FlamingoPairStaysOnScreen) {
  const ObjMeshData data = Parse("Assets/flamingo.obj");
  for (float x : {2.2f, -2.2f}) {
    for (float y : {0.2f, 0.4f}) {
      for (float turn : {15.0f, 0.0f}) {
        SCOPED_TRACE(testing::Message() << "x " << x << " y " << y << " turn " << turn);
        const Bounds b = ProjectedBounds(data, {x, y, -1.5f}, {0.0f, turn, 0.0f});
        EXPECT_GT(b.low.x, -1.0f);
        EXPECT_LT(b.high.x, 1.0f);
        EXPECT_GT(b.low.y, -1.0f);
        EXPECT_LT(b.high.y, 1.0f);
        EXPECT_GT(b.high.y - b.low.y, 0.6f);
      }
    }
  }
}

// At the middle of its run the windsurfer, rocking as far as it does, shows top to bottom.
TEST(SceneryFraming, WindsurferFitsTheScreenHeight) {
  const ObjMeshData data = Parse("Assets/windsurf.obj");
  for (const glm::vec3 rock : {glm::vec3(5, 180, 6), glm::vec3(-5, 180, -6), glm::vec3(5, 180, -6)}) {
    const Bounds b = ProjectedBounds(data, {0.0f, -1.0f, -1.0f}, rock);
    EXPECT_GT(b.low.y, -1.0f);
    EXPECT_LT(b.high.y, 1.0f);
    EXPECT_GT(b.high.y - b.low.y, 1.0f);
    EXPECT_GT(b.low.x, -1.0f);
    EXPECT_LT(b.high.x, 1.0f);
  }
}

}  // namespace
