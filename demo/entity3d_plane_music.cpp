// The terrain: one plane mesh on a 3x3 grid of scrolling rows, displaced by the heightmap on the beat.
#include <algorithm>
#include <cmath>

#include <glm/gtc/type_ptr.hpp>

#include "demo/entity3d.h"
#include "demo/entity3d_draw.h"
#include "demo/image_paths.h"
#include "demo/music_state.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

constexpr float RowWrapAboveZ = 6.0f;
constexpr float RowRestartZ = -12.0f;
constexpr float CameraBobScale = 0.2f;
constexpr float CameraLift = 0.7f;
constexpr float PitchLimitDegrees = 89.0f;
constexpr float MillisecondsPerSecond = 1000.0f;
constexpr int GridSize = 3;

float SinOfFloat(float radians) {
  return static_cast<float>(std::sin(static_cast<double>(radians)));
}

void UploadTerrainUniforms(const Entity3DPlaneMusic& terrain, const Shader& shader, const Texture& heightmap) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const glm::vec4 rgba = ArgbToRgba(terrain.color);
  glUniform4fv(UniformLocation(shader, UniformColor), 1, glm::value_ptr(rgba));
  heightmap.Bind(GL_TEXTURE0);
  glUniform1i(UniformLocation(shader, UniformHeightmap), 0);
  glUniform1f(UniformLocation(shader, UniformFactorMap), terrain.amplitude);
}

}  // namespace

Entity3DPlaneMusic::Entity3DPlaneMusic() {
  shaderId = gResourceManager->GetShader("PlaneMusic", ShaderTypePlaneMusic);
  gResourceManager->filterLinear = 1;
  textureId = gResourceManager->GetTexture(HeightmapPath);
  gResourceManager->filterLinear = 0;
}

void Entity3DPlaneMusic::Update() {
  for (TileOffset& row : tileOffsets) {
    row.z += scrollSpeed;
    if (row.z > RowWrapAboveZ) row.z = RowRestartZ;
  }
  const Camera& camera = gEngine->camera;
  cameraPosition = camera.startPosition + cameraOffset;
  const float seconds = static_cast<float>(demoClock.timeMs) / MillisecondsPerSecond;
  const float bob = SinOfFloat(seconds) * (amplitude * CameraBobScale) + CameraLift;
  cameraPosition.y += bob;
}

void Entity3DPlaneMusic::Render() {
  if (hidden) return;
  Shader* shader = gResourceManager->ShaderById(shaderId);
  const Texture* heightmap = gResourceManager->TextureById(textureId);
  const Mesh* mesh = gResourceManager->MeshById(meshId);
  if (shader != nullptr && heightmap != nullptr && mesh != nullptr) {
    if (shader->loaded) glUseProgram(shader->program);
    UploadTerrainUniforms(*this, *shader, *heightmap);
    Camera& camera = gEngine->camera;
    const glm::vec3 savedPosition = camera.position;
    camera.SetPosition(cameraPosition);
    camera.pitch = std::clamp(cameraPitch, -PitchLimitDegrees, PitchLimitDegrees);
    camera.UpdateCameraVectors();
    gEngine->Begin3D();
    ApplyDepthTest(depthTest);
    DrawGrid(*mesh, *shader);
    gEngine->Enter2DState();
    camera.position = savedPosition;
    camera.pitch = 0.0f;
    camera.UpdateCameraVectors();
    return;
  }
  gEngine->Enter2DState();
}

void Entity3DPlaneMusic::DrawGrid(const Mesh& mesh, Shader& shader) {
  for (int row = 0; row < GridSize; ++row) {
    position.z = tileOffsets[row].z;
    for (int column = 0; column < GridSize; ++column) {
      position.x = tileOffsets[column].x;
      gEngine->DrawMesh(mesh.vao, mesh.indexCount, &position, &orientation, &scale, &shader, GL_TRIANGLES);
    }
  }
}
