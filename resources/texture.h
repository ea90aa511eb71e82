// The texture record shared by image textures and render textures, and its blend modes.
#pragma once

#include <cstdint>

#include <glad/gl.h>

enum TextureBlendMode : int32_t {
  BlendAdditive = 0,
  BlendMultiply = 1,
  BlendAlpha = 2,
};

struct Texture {
  GLuint texture = 0;
  GLuint renderbuffer = 0;
  GLuint framebuffer = 0;
  int32_t width = 0;
  int32_t height = 0;
  float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  float colorAdd[3] = {0.0f, 0.0f, 0.0f};
  int32_t blendMode = BlendAlpha;

  // Makes this texture current on `unit` (GL_TEXTURE0 + n) and sets its blend function.
  void Bind(GLenum unit) const;
};
