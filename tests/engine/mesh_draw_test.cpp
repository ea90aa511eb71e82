// Engine::Begin3D, DrawMesh and DrawMeshColor on the real driver: placement by T·R·S and the camera, culling, state.
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <vector>

#include "engine_fixture.h"

namespace brisa_test {
namespace {

// A unit square in the xy plane around the origin, facing +z when wound counter-clockwise.
class SquareMesh {
 public:
  static constexpr int IndexCount = 6;

  explicit SquareMesh(bool counterClockwise) {
    const float positions[] = {-0.5f, -0.5f, 0.0f, 0.5f, -0.5f, 0.0f, 0.5f, 0.5f, 0.0f, -0.5f, 0.5f, 0.0f};
    const uint32_t frontIndices[IndexCount] = {0, 1, 2, 0, 2, 3};
    const uint32_t backIndices[IndexCount] = {0, 2, 1, 0, 3, 2};
    glGenVertexArrays(1, &vao_);
    glBindVertexArray(vao_);
    glGenBuffers(1, &vbo_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBufferData(GL_ARRAY_BUFFER, sizeof(positions), positions, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 3 * sizeof(float), nullptr);
    glEnableVertexAttribArray(0);
    glGenBuffers(1, &ebo_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ebo_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(frontIndices), counterClockwise ? frontIndices : backIndices,
                 GL_STATIC_DRAW);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
  }
  ~SquareMesh() {
    glDeleteVertexArrays(1, &vao_);
    glDeleteBuffers(1, &vbo_);
    glDeleteBuffers(1, &ebo_);
  }
  SquareMesh(const SquareMesh&) = delete;
  SquareMesh& operator=(const SquareMesh&) = delete;

  GLuint vao() const { return vao_; }

 private:
  GLuint vao_ = 0;
  GLuint vbo_ = 0;
  GLuint ebo_ = 0;
};

const glm::quat NoTurn(1.0f, 0.0f, 0.0f, 0.0f);

struct Placement {
  glm::vec3 position;
  glm::quat orientation;
  glm::vec3 scale;
};

// Translate, then the rotation matrix of the unit quaternion written out, then scale.
glm::mat4 TranslateRotateScale(const Placement& placement) {
  const float x = placement.orientation.x;
  const float y = placement.orientation.y;
  const float z = placement.orientation.z;
  const float w = placement.orientation.w;
  const glm::vec3 xAxis(1 - 2 * (y * y + z * z), 2 * (x * y + w * z), 2 * (x * z - w * y));
  const glm::vec3 yAxis(2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x));
  const glm::vec3 zAxis(2 * (x * z + w * y), 2 * (y * z - w * x), 1 - 2 * (x * x + y * y));
  glm::mat4 model(1.0f);
  model[0] = glm::vec4(xAxis * placement.scale.x, 0.0f);
  model[1] = glm::vec4(yAxis * placement.scale.y, 0.0f);
  model[2] = glm::vec4(zAxis * placement.scale.z, 0.0f);
  model[3] = glm::vec4(placement.position, 1.0f);
  return model;
}

struct WindowPixel {
  int x;
  int y;
};

// Where a point of the square's own plane lands in the window, top row 0.
WindowPixel Project(const glm::mat4& clipFromMesh, float x, float y) {
  const glm::vec4 clip = clipFromMesh * glm::vec4(x, y, 0.0f, 1.0f);
  const float ndcX = clip.x / clip.w;
  const float ndcY = clip.y / clip.w;
  return {static_cast<int>(std::floor((ndcX + 1.0f) * 0.5f * ScreenWidth)),
          static_cast<int>(std::floor((1.0f - ndcY) * 0.5f * ScreenHeight))};
}

bool OnScreen(const WindowPixel& pixel) {
  return pixel.x >= 0 && pixel.x < ScreenWidth && pixel.y >= 0 && pixel.y < ScreenHeight;
}

// Well inside the square and well outside it, along its own axes.
const glm::vec2 InsidePoints[] = {{0.0f, 0.0f}, {0.3f, 0.3f}, {-0.3f, 0.3f}, {0.3f, -0.3f}, {-0.3f, -0.3f}};
const glm::vec2 OutsidePoints[] = {{0.8f, 0.0f}, {-0.8f, 0.0f}, {0.0f, 0.8f}, {0.0f, -0.8f}};

void ExpectMatrixUniform(GLuint program, const char* name, const glm::mat4& expected) {
  const std::vector<float> actual = UniformFloats(program, name, 16);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i / 4][i % 4], 1e-5f) << name << " " << i;
}

class MeshDrawTest : public EngineTest {
 protected:
  // Probes the square's inside and outside after it was drawn with `placement` in `colour`.
  void ExpectSquareAt(const Placement& placement, const Rgba& colour) {
    const glm::mat4 clipFromMesh = gEngine->projection * gEngine->view * TranslateRotateScale(placement);
    for (const glm::vec2& point : InsidePoints) {
      const WindowPixel pixel = Project(clipFromMesh, point.x, point.y);
      ASSERT_TRUE(OnScreen(pixel)) << pixel.x << "," << pixel.y;
      EXPECT_TRUE(NearRgb(PixelAt(pixel.x, pixel.y), colour)) << "inside " << point.x << "," << point.y;
    }
    for (const glm::vec2& point : OutsidePoints) {
      const WindowPixel pixel = Project(clipFromMesh, point.x, point.y);
      ASSERT_TRUE(OnScreen(pixel)) << pixel.x << "," << pixel.y;
      EXPECT_TRUE(NearRgb(PixelAt(pixel.x, pixel.y), ClearColor)) << "outside " << point.x << "," << point.y;
    }
  }
};

TEST_F(MeshDrawTest, Begin3DTakesTheCamerasMatricesAndCullsBackFaces) {
  glDisable(GL_CULL_FACE);
  glCullFace(GL_FRONT);
  glEnable(GL_DEPTH_TEST);
  Camera& camera = gEngine->camera;
  camera.SetPosition(glm::vec3(0.5f, -0.25f, 4.0f));
  camera.pitch = 10.0f;
  camera.UpdateCameraVectors();
  camera.projection = CameraPerspective(60.0f, ScreenAspect, camera.farPlane);
  gEngine->Begin3D();
  EXPECT_EQ(gEngine->projection, camera.projection);
  EXPECT_EQ(gEngine->view, camera.view);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_EQ(GetInteger(GL_CULL_FACE_MODE), GL_BACK);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "the depth test is the caller's";
}

TEST_F(MeshDrawTest, DrawMeshColorPlacesTheMeshByTranslateRotateScaleUnderTheCamera) {
  const Placement placements[] = {
      {{0.0f, 0.0f, 0.0f}, NoTurn, {1.0f, 1.0f, 1.0f}},
      {{0.4f, -0.3f, -1.5f},
       glm::angleAxis(35 * DegreesToRadians, glm::normalize(glm::vec3(0.2f, 0.3f, 1.0f))),
       {1.6f, 0.7f, 1.0f}},
      {{-0.6f, 0.2f, 0.5f}, glm::angleAxis(-60 * DegreesToRadians, glm::vec3(0.0f, 0.0f, 1.0f)), {0.6f, 1.0f, 2.0f}},
  };
  const SquareMesh square(true);
  const Rgba orange{255, 128, 0, 255};
  gEngine->camera.SetPosition(glm::vec3(0.2f, 0.1f, 3.5f));
  gEngine->Begin3D();
  for (const Placement& placement : placements) {
    SCOPED_TRACE(::testing::Message() << "at " << placement.position.x << "," << placement.position.y << ","
                                      << placement.position.z);
    glClear(GL_COLOR_BUFFER_BIT);
    gEngine->DrawMeshColor(square.vao(), SquareMesh::IndexCount, &placement.position, &placement.orientation,
                           &placement.scale, 0xFFFF8000u);
    ExpectMatrixUniform(Color2D().program, "model", TranslateRotateScale(placement));
    ExpectMatrixUniform(Color2D().program, "view", gEngine->camera.view);
    ExpectMatrixUniform(Color2D().program, "projection", gEngine->camera.projection);
    ExpectSquareAt(placement, orange);
  }
}

struct WindingCase {
  bool counterClockwise;
  bool visible;
};

TEST_F(MeshDrawTest, AfterBegin3DOnlyFrontFacesDraw) {
  const Placement facingTheCamera{{0.0f, 0.0f, 0.0f}, NoTurn, {1.0f, 1.0f, 1.0f}};
  const WindingCase cases[] = {{true, true}, {false, false}};
  gEngine->Begin3D();
  for (const WindingCase& winding : cases) {
    SCOPED_TRACE(winding.counterClockwise ? "counter-clockwise" : "clockwise");
    const SquareMesh square(winding.counterClockwise);
    glClear(GL_COLOR_BUFFER_BIT);
    gEngine->DrawMeshColor(square.vao(), SquareMesh::IndexCount, &facingTheCamera.position,
                           &facingTheCamera.orientation, &facingTheCamera.scale, 0xFFFFFFFFu);
    const Rgba expected = winding.visible ? Rgba{255, 255, 255, 255} : ClearColor;
    EXPECT_TRUE(NearRgb(PixelAt(ScreenWidth / 2, ScreenHeight / 2), expected));
  }
}

TEST_F(MeshDrawTest, DrawMeshColorBlendsByAlphaAndLeavesProgramZero) {
  const Placement placement{{0.0f, 0.0f, 0.0f}, NoTurn, {1.0f, 1.0f, 1.0f}};
  const SquareMesh square(true);
  gEngine->Begin3D();
  glBlendFunc(GL_ONE, GL_ONE);
  glUseProgram(Color2D().program);
  gEngine->DrawMeshColor(square.vao(), SquareMesh::IndexCount, &placement.position, &placement.orientation,
                         &placement.scale, 0x80FF0000u);
  EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), 0);
  EXPECT_EQ(GetInteger(GL_VERTEX_ARRAY_BINDING), 0);
  EXPECT_EQ(GetInteger(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
  EXPECT_EQ(GetInteger(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(UniformFloats(Color2D().program, "color", 4), (std::vector<float>{1.0f, 0.0f, 0.0f, 128 / 255.0f}));
  EXPECT_TRUE(NearRgb(PixelAt(ScreenWidth / 2, ScreenHeight / 2), BlendOver(Rgba{255, 0, 0, 255}, ClearColor, 128)));
}

struct PrimitiveCase {
  GLenum primitive;
  bool fillsTheInside;
};

TEST_F(MeshDrawTest, DrawMeshDrawsTheGivenPrimitiveWithTheCallersProgram) {
  // In screen pixels: a 120 x 80 square centred on (200, 150).
  const Placement placement{{200.0f, 150.0f, 0.0f}, NoTurn, {120.0f, 80.0f, 1.0f}};
  const PrimitiveCase cases[] = {{GL_TRIANGLES, true}, {GL_LINES, false}, {GL_POINTS, false}};
  const SquareMesh square(true);
  const Rgba cyan{0, 255, 255, 255};
  for (const PrimitiveCase& primitive : cases) {
    SCOPED_TRACE(primitive.primitive);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_ONE, GL_ZERO);
    glUseProgram(Color2D().program);
    glUniform4f(Color2D().locations[UniformColor], 0.0f, 1.0f, 1.0f, 1.0f);
    gEngine->DrawMesh(square.vao(), SquareMesh::IndexCount, &placement.position, &placement.orientation,
                      &placement.scale, &Color2D(), primitive.primitive);
    EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), static_cast<GLint>(Color2D().program));
    EXPECT_EQ(GetInteger(GL_VERTEX_ARRAY_BINDING), 0);
    // Off the edges and off the diagonal the line list shares with the triangles.
    const WindowPixel inside =
        Project(gEngine->projection * gEngine->view * TranslateRotateScale(placement), 0.25f, -0.1f);
    EXPECT_TRUE(NearRgb(PixelAt(inside.x, inside.y), primitive.fillsTheInside ? cyan : ClearColor));
  }
}

}  // namespace
}  // namespace brisa_test
