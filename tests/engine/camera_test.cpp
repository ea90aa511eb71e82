// The camera without GL: its pose, its single-precision front, look-at and perspective per build.
#include <gtest/gtest.h>

#include <cmath>

#include "config/screen.h"
#include "engine/camera.h"

namespace {

// [0][0] of the 45-degree perspective: 1 / (tan 22.5 x ScreenAspect).
float ExpectedPerspectiveX() { return ScreenWidth == 854 ? 1.3569350f : 1.3579952f; }

glm::mat4 DefaultPoseView() {
  glm::mat4 view(1.0f);
  view[3][2] = -3.0f;
  return view;
}

void ExpectMatrixNear(const glm::mat4& actual, const glm::mat4& expected, float tolerance) {
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) EXPECT_NEAR(actual[c][r], expected[c][r], tolerance) << "[" << c << "][" << r << "]";
  }
}

TEST(Camera, ConstructsTheDefaultPoseWithAPlaceholderProjection) {
  const Camera camera;
  EXPECT_EQ(camera.position, glm::vec3(0.0f, 0.0f, 3.0f));
  EXPECT_EQ(camera.startPosition, glm::vec3(0.0f, 0.0f, 3.0f));
  EXPECT_EQ(camera.front, glm::vec3(0.0f, 0.0f, -1.0f));
  EXPECT_EQ(camera.up, glm::vec3(0.0f, 1.0f, 0.0f));
  EXPECT_EQ(camera.yaw, -90.0f);
  EXPECT_EQ(camera.pitch, 0.0f);
  EXPECT_EQ(camera.fov, 45.0f);
  EXPECT_EQ(camera.farPlane, 0.0f);
  EXPECT_EQ(camera.view, DefaultPoseView());
  // Far plane 0 until the engine starts: depth terms degenerate to 1 and 0.
  EXPECT_FLOAT_EQ(camera.projection[0][0], ExpectedPerspectiveX());
  EXPECT_FLOAT_EQ(camera.projection[1][1], 2.4142134f);
  EXPECT_EQ(camera.projection[2][2], 1.0f);
  EXPECT_EQ(camera.projection[2][3], -1.0f);
  EXPECT_EQ(camera.projection[3][2], 0.0f);
  EXPECT_EQ(camera.projection[3][3], 0.0f);
}

TEST(Camera, PerspectiveTakesTheTangentInDoubleOfTheFloatHalfAngle) {
  const glm::mat4 p = CameraPerspective(45.0f, ScreenAspect, 100.0f);
  const float halfAngle = 45.0f * 0.017453292f * 0.5f;
  const float t = static_cast<float>(std::tan(static_cast<double>(halfAngle)));
  EXPECT_EQ(t, 0.41421357f);
  EXPECT_EQ(p[1][1], 1.0f / t);
  EXPECT_FLOAT_EQ(p[1][1], 2.4142134f);
  EXPECT_FLOAT_EQ(p[0][0], ExpectedPerspectiveX());
  EXPECT_FLOAT_EQ(p[2][2], -1.002002f);
  EXPECT_EQ(p[2][3], -1.0f);
  EXPECT_FLOAT_EQ(p[3][2], -0.2002002f);
  glm::mat4 zeroElsewhere = p;
  zeroElsewhere[0][0] = zeroElsewhere[1][1] = zeroElsewhere[2][2] = zeroElsewhere[2][3] = zeroElsewhere[3][2] = 0.0f;
  EXPECT_EQ(zeroElsewhere, glm::mat4(0.0f));
}

TEST(Camera, PerspectiveFollowsFieldOfViewAndFarPlane) {
  const glm::mat4 p = CameraPerspective(90.0f, 2.0f, 10.0f);
  EXPECT_NEAR(p[1][1], 1.0f, 1e-6f);
  EXPECT_NEAR(p[0][0], 0.5f, 1e-6f);
  EXPECT_FLOAT_EQ(p[2][2], -10.1f / 9.9f);
  EXPECT_FLOAT_EQ(p[3][2], -2.0f / 9.9f);
}

TEST(Camera, UpdateVectorsAtYawMinus90KeepsTheSinglePrecisionCosine) {
  Camera camera;
  camera.UpdateCameraVectors();
  EXPECT_EQ(camera.front.x, -4.371139e-8f);
  EXPECT_EQ(camera.front.y, 0.0f);
  EXPECT_EQ(camera.front.z, -1.0f);
  EXPECT_NE(camera.view, DefaultPoseView());
  ExpectMatrixNear(camera.view, DefaultPoseView(), 1e-6f);
}

TEST(Camera, UpdateVectorsTiltsTheFrontByPitchAndKeepsItUnit) {
  const float pitches[] = {-89.0f, -30.0f, 12.5f, 89.0f};
  for (float pitch : pitches) {
    Camera camera;
    camera.pitch = pitch;
    camera.UpdateCameraVectors();
    const double p = pitch * 3.14159265358979 / 180.0;
    EXPECT_NEAR(camera.front.y, std::sin(p), 1e-6) << pitch;
    EXPECT_NEAR(camera.front.z, -std::cos(p), 1e-6) << pitch;
    EXPECT_NEAR(glm::length(camera.front), 1.0f, 1e-6f) << pitch;
    // Looking along front: a point one unit ahead of the eye lands on the view's -z axis.
    const glm::vec4 ahead = camera.view * glm::vec4(camera.position + camera.front, 1.0f);
    EXPECT_NEAR(ahead.x, 0.0f, 1e-5f) << pitch;
    EXPECT_NEAR(ahead.y, 0.0f, 1e-5f) << pitch;
    EXPECT_NEAR(ahead.z, -1.0f, 1e-5f) << pitch;
  }
}

TEST(Camera, SetPositionMovesTheEyeAndKeepsTheDirection) {
  Camera camera;
  camera.pitch = -20.0f;
  camera.UpdateCameraVectors();
  const glm::vec3 front = camera.front;
  const glm::vec3 eye(4.0f, 7.5f, -2.0f);
  camera.SetPosition(eye);
  EXPECT_EQ(camera.position, eye);
  EXPECT_EQ(camera.front, front);
  EXPECT_EQ(camera.pitch, -20.0f);
  const glm::vec4 eyeInView = camera.view * glm::vec4(eye, 1.0f);
  EXPECT_NEAR(glm::length(glm::vec3(eyeInView)), 0.0f, 1e-5f);
  const glm::vec4 ahead = camera.view * glm::vec4(eye + 2.0f * front, 1.0f);
  EXPECT_NEAR(ahead.z, -2.0f, 1e-5f);
}

TEST(Camera, LookAtIsRightHandedWithUpOnScreenY) {
  const glm::mat4 view = CameraLookAt(glm::vec3(1.0f, 2.0f, 3.0f), glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0, 1, 0));
  const glm::vec4 right = view * glm::vec4(2.0f, 2.0f, 3.0f, 1.0f);
  const glm::vec4 above = view * glm::vec4(1.0f, 3.0f, 3.0f, 1.0f);
  EXPECT_EQ(right, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_EQ(above, glm::vec4(0.0f, 1.0f, 0.0f, 1.0f));
}

}  // namespace
