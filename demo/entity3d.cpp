// Entity3D: one placed mesh, drawn by its mesh mode, always handing the engine back in 2D.
#include "demo/entity3d.h"

#include <cmath>

#include <glm/gtc/type_ptr.hpp>

#include "demo/entity3d_draw.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

// cos and sin of half of a float angle, each taken in double and rounded back to float.
struct HalfAngle {
  float cosine;
  float sine;
};

HalfAngle HalfOf(float radians) {
  const double half = static_cast<double>(radians * 0.5f);
  return {static_cast<float>(std::cos(half)), static_cast<float>(std::sin(half))};
}

void DrawLines(const Entity3D& entity, const Mesh& mesh) {
  Shader* shader = gResourceManager->ShaderById(gEngine->shaderColor2D);
  if (shader == nullptr) return;
  if (shader->loaded) glUseProgram(shader->program);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const glm::vec4 rgba = ArgbToRgba(entity.color);
  glUniform4fv(UniformLocation(*shader, UniformColor), 1, glm::value_ptr(rgba));
  gEngine->DrawMesh(mesh.vao, mesh.indexCount, &entity.position, &entity.orientation, &entity.scale, shader,
                    GL_LINES);
  glUseProgram(0);
}

void DrawFlat(const Entity3D& entity, const Mesh& mesh) {
  gEngine->DrawMeshColor(mesh.vao, mesh.indexCount, &entity.position, &entity.orientation, &entity.scale,
                         entity.color);
}

// The texture carries the entity's opacity for this draw only; it comes back in 8-bit steps.
void DrawTextured(const Entity3D& entity, const Mesh& mesh, Texture& texture) {
  Shader* shader = gResourceManager->ShaderById(gEngine->shaderTexture3D);
  if (shader == nullptr) return;
  texture.Bind(GL_TEXTURE0);
  const int savedAlpha = static_cast<int>(texture.color[3] * 255.0f);
  texture.color[3] = static_cast<float>(entity.alpha) / 255.0f;
  if (shader->loaded) glUseProgram(shader->program);
  glUniform4fv(UniformLocation(*shader, UniformColor), 1, texture.color);
  glUniform3fv(UniformLocation(*shader, UniformColorAdd), 1, texture.colorAdd);
  glUniform1i(UniformLocation(*shader, UniformTextura), 0);
  glUniform1i(UniformLocation(*shader, UniformFlip), TexturedMeshFlip);
  gEngine->DrawMesh(mesh.vao, mesh.indexCount, &entity.position, &entity.orientation, &entity.scale, shader,
                    GL_TRIANGLES);
  glBindTexture(GL_TEXTURE_2D, 0);
  glUseProgram(0);
  texture.color[3] = static_cast<float>(savedAlpha & 255) / 255.0f;
}

void DrawByMode(const Entity3D& entity, const Mesh& mesh) {
  switch (mesh.mode) {
    case MeshLines:
      DrawLines(entity, mesh);
      break;
    case MeshTriangles:
      DrawFlat(entity, mesh);
      break;
    case MeshTextured:
      if (entity.textureId == -1) {
        DrawFlat(entity, mesh);
      } else if (Texture* texture = gResourceManager->TextureById(entity.textureId)) {
        DrawTextured(entity, mesh, *texture);
      }
      break;
    default:
      break;
  }
}

}  // namespace

glm::quat QuaternionFromEulerRadians(const glm::vec3& radians) {
  const HalfAngle x = HalfOf(radians.x);
  const HalfAngle y = HalfOf(radians.y);
  const HalfAngle z = HalfOf(radians.z);
  glm::quat q;
  q.w = x.cosine * y.cosine * z.cosine + x.sine * y.sine * z.sine;
  q.x = x.sine * y.cosine * z.cosine - x.cosine * y.sine * z.sine;
  q.y = x.cosine * y.sine * z.cosine + x.sine * y.cosine * z.sine;
  q.z = x.cosine * y.cosine * z.sine - x.sine * y.sine * z.cosine;
  return q;
}

Entity3D::Entity3D() {
  SetRotationDegrees(rotationDegrees);
}

void Entity3D::SetRotationDegrees(const glm::vec3& degrees) {
  rotationDegrees = degrees;
  rotationRadians = degrees * DegreesToRadians;
  orientation = QuaternionFromEulerRadians(rotationRadians);
}

void Entity3D::Render() {
  if (hidden) return;
  gEngine->Begin3D();
  ApplyDepthTest(depthTest);
  if (const Mesh* mesh = gResourceManager->MeshById(meshId)) DrawByMode(*this, *mesh);
  gEngine->Enter2DState();
}
