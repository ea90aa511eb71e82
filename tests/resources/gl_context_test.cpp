// The test harness itself: a real 3.3 core context on Mesa, with a readable default framebuffer.
#include <cstring>

#include "config/screen.h"
#include "support/gl_context.h"

namespace {

using brisa_test::GlTest;

TEST_F(GlTest, ContextIsOpenGl33CoreOnARealDriver) {
  GLint major = 0, minor = 0, profile = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  glGetIntegerv(GL_MINOR_VERSION, &minor);
  glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
  EXPECT_GE(major * 10 + minor, 33);
  EXPECT_TRUE(profile & GL_CONTEXT_CORE_PROFILE_BIT);
  const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  ASSERT_NE(renderer, nullptr);
  EXPECT_NE(std::strlen(renderer), 0u);
}

TEST_F(GlTest, ClearedDefaultFramebufferReadsBack) {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  brisa_test::Rgba expected{255, 0, 255, 255};
  EXPECT_EQ(brisa_test::ReadPixelTopDown(0, 0, ScreenHeight), expected);
  EXPECT_EQ(brisa_test::ReadPixelTopDown(ScreenWidth - 1, ScreenHeight - 1, ScreenHeight), expected);
}

}  // namespace
