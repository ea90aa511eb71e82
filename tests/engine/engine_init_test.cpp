// The engine after start-up on the real driver: window, context, resources, unit quad and matrices.
#include <cstring>

#include "engine_fixture.h"

namespace brisa_test {
namespace {

struct RenderTextureCase {
  const char* name;
  int Engine::*field;  // null for the blur textures, which live in an array
  int id;
  int width;
  int height;
  GLint wrap;
};

const RenderTextureCase RenderTextures[] = {
    {"SecondRendertexture", &Engine::secondTexture, 0, ScreenWidth, ScreenHeight, GL_REPEAT},
    {"Screenshot", &Engine::screenshotTexture, 1, ScreenWidth, ScreenHeight, GL_REPEAT},
    {"BloomTexture", &Engine::bloomTexture, 2, ScreenWidth / 2, ScreenHeight / 2, GL_CLAMP_TO_EDGE},
    {"BlurTexture0", nullptr, 3, ScreenWidth / 2, ScreenHeight / 2, GL_CLAMP_TO_EDGE},
    {"BlurTexture1", nullptr, 4, ScreenWidth / 2, ScreenHeight / 2, GL_CLAMP_TO_EDGE},
};

struct HalfSize {
  int width;
  int height;
};

// The per-build sizes, written out rather than derived, so a wrong constant cannot agree with itself.
HalfSize ExpectedHalfSize() {
  switch (ScreenWidth) {
    case 854:
      return {427, 240};
    case 1280:
      return {640, 360};
    default:
      return {960, 540};
  }
}

// Taken before main, since the order the tests of a program run in differs between the platforms'
// linkers and another test may have started the engine already.
Engine* const FirstInstance = Engine::Instance();
const Engine StateBeforeStart = *FirstInstance;

TEST(EngineInstance, IsCreatedOnceWithIdentityMatricesAndNoWindow) {
  EXPECT_EQ(Engine::Instance(), FirstInstance);
  EXPECT_EQ(StateBeforeStart.window, nullptr);
  EXPECT_EQ(StateBeforeStart.glContext, nullptr);
  EXPECT_EQ(StateBeforeStart.projection, glm::mat4(1.0f));
  EXPECT_EQ(StateBeforeStart.view, glm::mat4(1.0f));
  EXPECT_EQ(StateBeforeStart.shaderTexture2D, 0);
  EXPECT_EQ(StateBeforeStart.eye2D, glm::vec3(0.0f));
  EXPECT_EQ(StateBeforeStart.camera.farPlane, 0.0f);
  EXPECT_EQ(StateBeforeStart.camera.projection[2][2], 1.0f);
}

TEST_F(EngineTest, OpensABorderlessWindowWithA33CoreContextAndVSync) {
  int width = 0, height = 0;
  SDL_GetWindowSize(gEngine->window, &width, &height);
  EXPECT_EQ(width, ScreenWidth);
  EXPECT_EQ(height, ScreenHeight);
  EXPECT_EQ(gEngine->width, ScreenWidth);
  EXPECT_EQ(gEngine->height, ScreenHeight);
  EXPECT_STREQ(SDL_GetWindowTitle(gEngine->window), "Brisa Demo 2024 Lindora");
  const Uint32 flags = SDL_GetWindowFlags(gEngine->window);
  EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
  EXPECT_TRUE(flags & SDL_WINDOW_OPENGL);
  EXPECT_EQ(SDL_GL_GetCurrentContext(), gEngine->glContext);
  EXPECT_EQ(GetInteger(GL_MAJOR_VERSION) * 10 + GetInteger(GL_MINOR_VERSION) >= 33, true);
  EXPECT_TRUE(GetInteger(GL_CONTEXT_PROFILE_MASK) & GL_CONTEXT_CORE_PROFILE_BIT);
  EXPECT_EQ(SDL_GL_GetSwapInterval(), 1);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST_F(EngineTest, RenderTexturesHoldTheFirstFiveTextureIds) {
  const HalfSize half = ExpectedHalfSize();
  EXPECT_EQ(ScreenWidth / 2, half.width);
  EXPECT_EQ(ScreenHeight / 2, half.height);
  for (const RenderTextureCase& expected : RenderTextures) {
    SCOPED_TRACE(expected.name);
    const int id = expected.field != nullptr ? gEngine->*expected.field : gEngine->blurTextures[expected.id - 3];
    EXPECT_EQ(id, expected.id);
    EXPECT_EQ(gResourceManager->textureIdByName.at(expected.name), expected.id);
    const Texture* texture = gResourceManager->TextureById(id);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->width, expected.width);
    EXPECT_EQ(texture->height, expected.height);
    EXPECT_NE(texture->framebuffer, 0u);
    GLint wrapS = 0, wrapT = 0;
    glBindTexture(GL_TEXTURE_2D, texture->texture);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(wrapS, expected.wrap);
    EXPECT_EQ(wrapT, expected.wrap);
  }
  // Never assigned, so the flat target is the first texture: "SecondRendertexture".
  EXPECT_EQ(gEngine->flatTarget, 0);
}

struct BuiltInShaderCase {
  const char* name;
  int Engine::*field;
  int id;
  std::vector<UniformIndex> uniforms;
};

TEST_F(EngineTest, BuiltInShadersLinkWithEveryUniformOfTheirKind) {
  const BuiltInShaderCase cases[] = {
      {"TextureMatrix2D", &Engine::shaderTexture2D, 0,
       {UniformModel, UniformView, UniformProjection, UniformColor, UniformColorAdd, UniformTextura, UniformFlip,
        UniformTexClamp}},
      {"TextureMatrix3D", &Engine::shaderTexture3D, 1,
       {UniformModel, UniformView, UniformProjection, UniformColor, UniformColorAdd, UniformTextura, UniformFlip}},
      {"Color2D", &Engine::shaderColor2D, 2, {UniformModel, UniformView, UniformProjection, UniformColor}},
  };
  for (const BuiltInShaderCase& expected : cases) {
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(gEngine->*expected.field, expected.id);
    const Shader* shader = gResourceManager->ShaderById(expected.id);
    ASSERT_NE(shader, nullptr);
    EXPECT_TRUE(shader->loaded);
    GLint linked = GL_FALSE;
    glGetProgramiv(shader->program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    // Every uniform the engine uploads is live in the program, not optimised away.
    for (UniformIndex index : expected.uniforms) EXPECT_NE(shader->locations.at(index), -1) << "uniform " << index;
  }
}

TEST_F(EngineTest, UnitQuadFeedsPositionAndTextureCoordinate) {
  glBindVertexArray(gEngine->quadVao);
  EXPECT_EQ(GetInteger(GL_ELEMENT_ARRAY_BUFFER_BINDING), static_cast<GLint>(gEngine->quadEbo));
  struct Attribute {
    GLuint index;
    GLint size;
    uintptr_t offset;
  };
  for (const Attribute& attribute : {Attribute{0, 3, 0}, Attribute{1, 2, 12}}) {
    GLint enabled = 0, size = 0, stride = 0, buffer = 0;
    void* offset = nullptr;
    glGetVertexAttribiv(attribute.index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
    glGetVertexAttribiv(attribute.index, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
    glGetVertexAttribiv(attribute.index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
    glGetVertexAttribiv(attribute.index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
    glGetVertexAttribPointerv(attribute.index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &offset);
    EXPECT_EQ(enabled, GL_TRUE) << attribute.index;
    EXPECT_EQ(size, attribute.size) << attribute.index;
    EXPECT_EQ(stride, 20) << attribute.index;
    EXPECT_EQ(buffer, static_cast<GLint>(gEngine->quadVbo)) << attribute.index;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(offset), attribute.offset) << attribute.index;
  }
  float vertices[20] = {};
  uint32_t indices[6] = {};
  glGetBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, sizeof(indices), indices);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, gEngine->quadVbo);
  glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(vertices), vertices);
  EXPECT_EQ(std::memcmp(vertices, QuadVertices, sizeof(vertices)), 0);
  EXPECT_EQ(std::memcmp(indices, QuadIndices, sizeof(indices)), 0);
  EXPECT_EQ(QuadVertices[0 * 5 + 4], 1.0f);  // vertex 0, top-left in quad space, carries v = 1
}

TEST_F(EngineTest, StartsIn2DWithTheCameraReset) {
  glm::mat4 ortho(0.0f);
  ortho[0][0] = 2.0f / ScreenWidth;
  ortho[1][1] = -2.0f / ScreenHeight;
  ortho[2][2] = -0.02002002f;
  ortho[3][0] = -1.0f;
  ortho[3][1] = 1.0f;
  ortho[3][2] = -1.002002f;
  ortho[3][3] = 1.0f;
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) EXPECT_FLOAT_EQ(gEngine->projection[c][r], ortho[c][r]) << c << r;
  }
  glm::mat4 view2D(1.0f);
  view2D[3][2] = -3.0f;
  EXPECT_EQ(gEngine->view, view2D);
  EXPECT_EQ(gEngine->camera.view, view2D);
  EXPECT_EQ(gEngine->eye2D, glm::vec3(0.0f, 0.0f, 3.0f));
  EXPECT_EQ(gEngine->front2D, glm::vec3(0.0f, 0.0f, -1.0f));
  EXPECT_EQ(gEngine->up2D, glm::vec3(0.0f, 1.0f, 0.0f));
  const Camera& camera = gEngine->camera;
  EXPECT_EQ(camera.farPlane, 100.0f);
  EXPECT_EQ(camera.front, glm::vec3(0.0f, 0.0f, -1.0f));
  EXPECT_FLOAT_EQ(camera.projection[0][0], ScreenWidth == 854 ? 1.3569350f : 1.3579952f);
  EXPECT_FLOAT_EQ(camera.projection[1][1], 2.4142134f);
  EXPECT_FLOAT_EQ(camera.projection[2][2], -1.002002f);
  EXPECT_EQ(camera.projection[2][3], -1.0f);
  EXPECT_FLOAT_EQ(camera.projection[3][2], -0.2002002f);
  EXPECT_EQ(camera.projection[3][3], 0.0f);
}

}  // namespace
}  // namespace brisa_test
