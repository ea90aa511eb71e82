// The camera's pose, its look-at view and its perspective, in the precision the show was tuned with.
#include "engine/camera.h"

#include <cmath>

#include <glm/gtc/matrix_transform.hpp>

#include "config/screen.h"

namespace {

constexpr float DefaultFovDegrees = 45.0f;
constexpr float DefaultYawDegrees = -90.0f;

// Sine and cosine of a float angle, taken in double and rounded back to float.
float SinOfFloat(float radians) { return static_cast<float>(std::sin(static_cast<double>(radians))); }
float CosOfFloat(float radians) { return static_cast<float>(std::cos(static_cast<double>(radians))); }

}  // namespace

glm::mat4 CameraPerspective(float fovDegrees, float aspect, float farPlane) {
  const float halfAngle = fovDegrees * DegreesToRadians * 0.5f;
  const float tanHalf = static_cast<float>(std::tan(static_cast<double>(halfAngle)));
  glm::mat4 result(0.0f);
  result[0][0] = 1.0f / (aspect * tanHalf);
  result[1][1] = 1.0f / tanHalf;
  result[2][2] = -(farPlane + CameraNearPlane) / (farPlane - CameraNearPlane);
  result[2][3] = -1.0f;
  result[3][2] = -(2.0f * farPlane * CameraNearPlane) / (farPlane - CameraNearPlane);
  return result;
}

glm::mat4 CameraLookAt(const glm::vec3& eye, const glm::vec3& front, const glm::vec3& up) {
  return glm::lookAtRH(eye, eye + front, up);
}

Camera::Camera()
    : startPosition(0.0f, 0.0f, 3.0f),
      position(0.0f, 0.0f, 3.0f),
      front(0.0f, 0.0f, -1.0f),
      up(0.0f, 1.0f, 0.0f),
      yaw(DefaultYawDegrees),
      pitch(0.0f),
      fov(DefaultFovDegrees) {
  // The far plane is whatever the storage held (0 inside a fresh engine); Engine::Init replaces
  // this placeholder before anything draws.
  projection = CameraPerspective(DefaultFovDegrees, ScreenAspect, farPlane);
  view = CameraLookAt(position, front, up);
}

void Camera::UpdateCameraVectors() {
  const float yawRadians = yaw * DegreesToRadians;
  const float pitchRadians = pitch * DegreesToRadians;
  const float x = CosOfFloat(yawRadians) * CosOfFloat(pitchRadians);
  const float y = SinOfFloat(pitchRadians);
  const float z = SinOfFloat(yawRadians) * CosOfFloat(pitchRadians);
  const float lengthSquared = y * y + x * x + z * z;
  const float inverseLength = 1.0f / static_cast<float>(std::sqrt(static_cast<double>(lengthSquared)));
  front = glm::vec3(x * inverseLength, y * inverseLength, z * inverseLength);
  view = CameraLookAt(position, front, up);
}

void Camera::SetPosition(const glm::vec3& newPosition) {
  position = newPosition;
  view = CameraLookAt(position, front, up);
}
