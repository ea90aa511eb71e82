// A real OpenGL 3.3 core context on whatever SDL video driver the environment names (offscreen in CI).
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include <glad/gl.h>
#include <gtest/gtest.h>

namespace brisa_test {

// Opens one hidden window and context for the whole process, the first time it is asked for.
// Fails the calling test (and returns false) when no context can be made.
bool EnsureGlContext();

// Reads back one RGBA pixel of the framebuffer bound for reading; y counts from the top row.
struct Rgba {
  uint8_t r, g, b, a;
  bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
inline std::ostream& operator<<(std::ostream& os, const Rgba& c) {
  return os << "rgba(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a) << ")";
}
Rgba ReadPixelTopDown(int x, int y, int framebufferHeight);

// The value of one integer parameter of the current GL state.
GLint GetInteger(GLenum name);

// The whole content of a buffer object, as values of T; leaves it bound to `target`.
template <typename T>
std::vector<T> ReadBuffer(GLenum target, GLuint buffer) {
  glBindBuffer(target, buffer);
  GLint bytes = 0;
  glGetBufferParameteriv(target, GL_BUFFER_SIZE, &bytes);
  std::vector<T> values(static_cast<size_t>(bytes) / sizeof(T));
  if (bytes > 0) glGetBufferSubData(target, 0, bytes, values.data());
  return values;
}

// Base fixture of every test that needs GL.
class GlTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(EnsureGlContext()); }
};

}  // namespace brisa_test

