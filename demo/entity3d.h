// The demo's 3D objects: a placed mesh, and the music-driven terrain drawn on a scrolling 3x3 grid.
#pragma once

#include <cstdint>
#include <string>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

class Shader;
struct Mesh;

class Entity3D {
 public:
  Entity3D();
  // Owners delete each object as its own class; virtual all the same, so none is ever cut short.
  virtual ~Entity3D() = default;
  virtual void Render();

  // Sets rotationDegrees and recomputes rotationRadians and orientation from it.
  void SetRotationDegrees(const glm::vec3& degrees);

  std::string text;
  int32_t meshId = -1;
  uint32_t color = 0xFFFFFFFFu;
  uint8_t alpha = 255;
  glm::vec3 position{0.0f, 0.0f, 0.0f};
  glm::vec3 scale{1.0f, 1.0f, 1.0f};
  glm::vec3 rotationDegrees{0.0f, 0.0f, 0.0f};
  glm::vec3 rotationRadians{0.0f, 0.0f, 0.0f};
  glm::quat orientation{1.0f, 0.0f, 0.0f, 0.0f};  // glm takes w first; stored x, y, z, w
  bool depthTest = true;
  int32_t textureId = -1;
  bool hidden = false;
};

// Orientation of Euler angles in radians (glm's quaternion from Euler angles, half angles in double).
glm::quat QuaternionFromEulerRadians(const glm::vec3& radians);

struct TileOffset {
  float x;
  float z;
};

class Entity3DPlaneMusic : public Entity3D {
 public:
  // Requests the "PlaneMusic" shader and, with linear filtering, the heightmap.
  Entity3DPlaneMusic();
  void Render() override;
  // Scrolls and wraps the rows and places the terrain camera.
  void Update();

  TileOffset tileOffsets[3] = {{-5.8f, 0.0f}, {0.2f, -6.0f}, {6.2f, -12.0f}};
  float scrollSpeed = 0.03f;
  int32_t shaderId = -1;
  glm::vec3 cameraPosition{0.0f};
  glm::vec3 cameraOffset{0.0f};
  float amplitude = 1.0f;
  float cameraPitch = 0.0f;

 private:
  // Nine draws, row by row; the entity's x and z are left at the last tile's.
  void DrawGrid(const Mesh& mesh, Shader& shader);
};
