// The current GL context's bindings and switches that draws change, taken so a test can put them back.
#pragma once

#include <glad/gl.h>

namespace brisa_test {

// Framebuffers, viewport, program, vertex array and buffers, the 2D texture of the first units,
// blending, depth, culling, scissor, polygon mode, line width, clear values, colour mask and pixel
// alignment.
class GlState {
 public:
  static GlState Capture();
  void Restore() const;

  // More units than any of the show's shaders samples from.
  static constexpr int KeptTextureUnits = 8;

 private:
  GLint drawFramebuffer_ = 0;
  GLint readFramebuffer_ = 0;
  GLint viewport_[4] = {0, 0, 0, 0};
  GLint program_ = 0;
  GLint vertexArray_ = 0;
  GLint arrayBuffer_ = 0;
  GLint renderbuffer_ = 0;
  GLint activeTexture_ = GL_TEXTURE0;
  GLint textures_[KeptTextureUnits] = {};
  GLboolean blend_ = GL_FALSE;
  // Source and destination factors, of the colour and then of the alpha.
  GLint blendFactors_[4] = {GL_ONE, GL_ZERO, GL_ONE, GL_ZERO};
  GLint blendEquations_[2] = {GL_FUNC_ADD, GL_FUNC_ADD};
  GLboolean depthTest_ = GL_FALSE;
  GLint depthFunc_ = GL_LESS;
  GLboolean depthMask_ = GL_TRUE;
  GLboolean cullFace_ = GL_FALSE;
  GLint cullFaceMode_ = GL_BACK;
  GLint frontFace_ = GL_CCW;
  GLboolean scissorTest_ = GL_FALSE;
  GLint polygonMode_ = GL_FILL;
  GLfloat lineWidth_ = 1.0f;
  GLfloat clearColor_[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  GLfloat clearDepth_ = 1.0f;
  GLboolean colorMask_[4] = {GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
  GLint packAlignment_ = 4;
  GLint unpackAlignment_ = 4;
};

}  // namespace brisa_test
