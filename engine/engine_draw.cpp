// The engine's drawing operations: 3D set-up and back to 2D, meshes, sprites, the unit quad, full-screen colour.
#include <iterator>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "config/screen.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

constexpr int TexClampFloatCount = 8;

// A shader that can draw: registered under `id` and linked. Anything else is skipped by the draws.
Shader* DrawableShader(int id) {
  Shader* shader = gResourceManager->ShaderById(id);
  return shader != nullptr && shader->loaded ? shader : nullptr;
}

void UploadMatrix(const Shader& shader, UniformIndex index, const glm::mat4& matrix) {
  glUniformMatrix4fv(UniformLocation(shader, index), 1, GL_FALSE, glm::value_ptr(matrix));
}

void UploadColor(const Shader& shader, uint32_t argb) {
  const glm::vec4 rgba = ArgbToRgba(argb);
  glUniform4fv(UniformLocation(shader, UniformColor), 1, glm::value_ptr(rgba));
}

// The source rectangle at the unit quad's corners, in QuadVertices order (unit 0 is the near edge).
void UploadTexClamp(const Shader& shader, const Texture& texture, const TextureRect& source) {
  const float textureWidth = static_cast<float>(texture.width);
  const float textureHeight = static_cast<float>(texture.height);
  const float left = static_cast<float>(source.x) / textureWidth;
  const float right = static_cast<float>(source.x + source.width) / textureWidth;
  const float top = static_cast<float>(source.y) / textureHeight;
  const float bottom = static_cast<float>(source.y + source.height) / textureHeight;
  const float corners[TexClampFloatCount] = {left, bottom, right, bottom, right, top, left, top};
  glUniform1fv(UniformLocation(shader, UniformTexClamp), TexClampFloatCount, corners);
}

// The state every 2D draw hands back, also when it had nothing to draw with.
void LeaveDrawState() {
  glBindVertexArray(0);
  glUseProgram(0);
}

}  // namespace

void Engine::Begin3D() {
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  projection = camera.projection;
  view = camera.view;
}

void Engine::Enter2DState() {
  glDisable(GL_CULL_FACE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glDisable(GL_DEPTH_TEST);
  SetOrtho();
  view = CameraLookAt(eye2D, front2D, up2D);
}

void Engine::DrawMesh(GLuint vertexArray, int indexCount, const glm::vec3* position, const glm::quat* orientation,
                      const glm::vec3* scale, Shader* shader, GLenum primitive) {
  if (shader == nullptr) {
    glBindVertexArray(0);
    return;
  }
  const glm::mat4 model = glm::scale(glm::translate(glm::mat4(1.0f), *position) * glm::mat4_cast(*orientation), *scale);
  DrawIndexed(*shader, model, vertexArray, primitive, indexCount);
}

void Engine::DrawMeshColor(GLuint vertexArray, int indexCount, const glm::vec3* position,
                           const glm::quat* orientation, const glm::vec3* scale, uint32_t argb) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  Shader* shader = DrawableShader(shaderColor2D);
  if (shader != nullptr) {
    glUseProgram(shader->program);
    UploadColor(*shader, argb);
    DrawMesh(vertexArray, indexCount, position, orientation, scale, shader, GL_TRIANGLES);
  }
  LeaveDrawState();
}

void Engine::DrawSprite(int textureId, TextureRect source, int16_t x, int16_t y, float angleDegrees, uint16_t width,
                        uint16_t height, uint8_t alpha) {
  Texture* texture = gResourceManager->TextureById(textureId);
  Shader* shader = DrawableShader(shaderTexture2D);
  if (texture == nullptr || shader == nullptr) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    LeaveDrawState();
    return;
  }
  texture->Bind(GL_TEXTURE0);
  // The record carries the sprite's opacity for this draw only; it comes back in 8-bit steps.
  const auto savedAlpha = static_cast<uint8_t>(static_cast<int>(texture->color[3] * 255.0f));
  texture->color[3] = static_cast<float>(alpha) / 255.0f;
  glUseProgram(shader->program);
  glUniform4fv(UniformLocation(*shader, UniformColor), 1, texture->color);
  glUniform3fv(UniformLocation(*shader, UniformColorAdd), 1, texture->colorAdd);
  glUniform1i(UniformLocation(*shader, UniformTextura), 0);
  glUniform1i(UniformLocation(*shader, UniformFlip), 0);
  UploadTexClamp(*shader, *texture, source);
  DrawQuad(x, y, width, height, shader, angleDegrees);
  glBindTexture(GL_TEXTURE_2D, 0);
  glUseProgram(0);
  texture->color[3] = static_cast<float>(savedAlpha & 255) / 255.0f;
}

void Engine::DrawQuad(int x, int y, unsigned width, unsigned height, Shader* shader, float angleDegrees) {
  if (shader == nullptr) {
    glBindVertexArray(0);
    return;
  }
  const float quadWidth = static_cast<float>(width);
  const float quadHeight = static_cast<float>(height);
  const glm::vec3 centre(quadWidth * 0.5f + static_cast<float>(x), quadHeight * 0.5f + static_cast<float>(y), 0.0f);
  glm::mat4 model = glm::translate(glm::mat4(1.0f), centre);
  model = glm::rotate(model, angleDegrees * DegreesToRadians, glm::vec3(0.0f, 0.0f, 1.0f));
  model = glm::scale(model, glm::vec3(quadWidth, quadHeight, 1.0f));
  DrawIndexed(*shader, model, quadVao, GL_TRIANGLES, static_cast<int>(std::size(QuadIndices)));
}

void Engine::DrawIndexed(const Shader& shader, const glm::mat4& model, GLuint vertexArray, GLenum primitive,
                         int indexCount) {
  UploadMatrix(shader, UniformProjection, projection);
  UploadMatrix(shader, UniformView, view);
  UploadMatrix(shader, UniformModel, model);
  glBindVertexArray(vertexArray);
  glDrawElements(primitive, indexCount, GL_UNSIGNED_INT, nullptr);
  glBindVertexArray(0);
}

void Engine::FillScreen(uint32_t argb) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  Shader* shader = DrawableShader(shaderColor2D);
  if (shader != nullptr) {
    glUseProgram(shader->program);
    UploadColor(*shader, argb);
    DrawQuad(0, 0, ScreenWidth, ScreenHeight, shader, 0.0f);
  }
  LeaveDrawState();
}
