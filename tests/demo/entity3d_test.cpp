// Scene-object maths without GL: the defaults and the orientation from Euler angles.
#include <gtest/gtest.h>

#include "demo/entity3d.h"

namespace {

void ExpectQuat(const glm::quat& q, float x, float y, float z, float w) {
  EXPECT_FLOAT_EQ(q.x, x);
  EXPECT_FLOAT_EQ(q.y, y);
  EXPECT_FLOAT_EQ(q.z, z);
  EXPECT_FLOAT_EQ(q.w, w);
}

TEST(Entity3D, FreshEntityHasTheDefaults) {
  Entity3D entity;
  EXPECT_EQ(entity.meshId, -1);
  EXPECT_EQ(entity.textureId, -1);
  EXPECT_EQ(entity.color, 0xFFFFFFFFu);
  EXPECT_EQ(entity.alpha, 255);
  EXPECT_TRUE(entity.depthTest);
  EXPECT_FALSE(entity.hidden);
  EXPECT_EQ(entity.scale, glm::vec3(1.0f));
  ExpectQuat(entity.orientation, 0.0f, 0.0f, 0.0f, 1.0f);
}

TEST(Entity3D, OrientationFollowsTheEulerAngles) {
  struct Case {
    glm::vec3 degrees;
    float x, y, z, w;
  };
  const Case cases[] = {
      {{0, 180, 0}, 0.0f, 1.0f, 0.0f, -4.371139e-8f},
      {{0, 15, 0}, 0.0f, 0.13052620f, 0.0f, 0.99144486f},
      {{90, 0, 0}, 0.70710677f, 0.0f, 0.0f, 0.70710677f},
      {{0, 0, -90}, 0.0f, 0.0f, -0.70710677f, 0.70710677f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.degrees.x << "," << c.degrees.y << "," << c.degrees.z);
    Entity3D entity;
    entity.SetRotationDegrees(c.degrees);
    EXPECT_EQ(entity.rotationDegrees, c.degrees);
    EXPECT_EQ(entity.rotationRadians, c.degrees * 0.017453292f);
    ExpectQuat(entity.orientation, c.x, c.y, c.z, c.w);
  }
  Entity3D halfTurn;
  halfTurn.SetRotationDegrees({0, 180, 0});
  // Bit-exact, not only close: the tiny w is the single-precision cosine of 90 degrees.
  EXPECT_EQ(halfTurn.orientation.w, -4.371139e-8f);
  EXPECT_EQ(halfTurn.rotationRadians.y, 3.1415927f);
}

TEST(Entity3D, CombinedAnglesMatchGlmsEulerQuaternion) {
  const glm::vec3 degrees{sinf(1.0f) * 5.0f, 180.0f, sinf(2.0f) * 6.0f};
  Entity3D entity;
  entity.SetRotationDegrees(degrees);
  const glm::quat reference(degrees * 0.017453292f);
  EXPECT_NEAR(entity.orientation.x, reference.x, 1e-6f);
  EXPECT_NEAR(entity.orientation.y, reference.y, 1e-6f);
  EXPECT_NEAR(entity.orientation.z, reference.z, 1e-6f);
  EXPECT_NEAR(entity.orientation.w, reference.w, 1e-6f);
}

}  // namespace
