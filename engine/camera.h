// The 3D viewpoint: eye, direction from yaw and pitch, and its look-at view and perspective.
#pragma once

#include <glm/glm.hpp>

constexpr float CameraNearPlane = 0.1f;
constexpr float DegreesToRadians = 0.017453292f;

class Camera {
 public:
  Camera();

  // Front from yaw and pitch, then the view.
  void UpdateCameraVectors();
  // Moves the eye; the viewing direction stays.
  void SetPosition(const glm::vec3& newPosition);

  glm::mat4 view;
  glm::mat4 projection;
  glm::vec3 startPosition;
  glm::vec3 position;
  glm::vec3 front;
  glm::vec3 up;
  float yaw;
  float pitch;
  float fov;
  // The constructor leaves it alone; the engine's zero-filled storage gives 0 until Engine::Init.
  float farPlane = 0.0f;
};

// glm's right-handed perspective (clip depth -1..1) with near 0.1, the half angle formed in float
// and its tangent taken in double.
glm::mat4 CameraPerspective(float fovDegrees, float aspect, float farPlane);
// glm's right-handed look-at.
glm::mat4 CameraLookAt(const glm::vec3& eye, const glm::vec3& front, const glm::vec3& up);
