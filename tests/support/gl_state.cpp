// Reading the context's bindings and switches into a GlState and writing them back.
#include "support/gl_state.h"

#include "support/gl_context.h"

namespace brisa_test {

namespace {

void Switch(GLenum capability, GLboolean enabled) {
  if (enabled == GL_TRUE) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

}  // namespace

GlState GlState::Capture() {
  GlState state;
  state.drawFramebuffer_ = GetInteger(GL_DRAW_FRAMEBUFFER_BINDING);
  state.readFramebuffer_ = GetInteger(GL_READ_FRAMEBUFFER_BINDING);
  glGetIntegerv(GL_VIEWPORT, state.viewport_);
  state.program_ = GetInteger(GL_CURRENT_PROGRAM);
  state.vertexArray_ = GetInteger(GL_VERTEX_ARRAY_BINDING);
  state.arrayBuffer_ = GetInteger(GL_ARRAY_BUFFER_BINDING);
  state.renderbuffer_ = GetInteger(GL_RENDERBUFFER_BINDING);
  state.activeTexture_ = GetInteger(GL_ACTIVE_TEXTURE);
  for (int unit = 0; unit < KeptTextureUnits; ++unit) {
    glActiveTexture(GL_TEXTURE0 + unit);
    state.textures_[unit] = GetInteger(GL_TEXTURE_BINDING_2D);
  }
  glActiveTexture(static_cast<GLenum>(state.activeTexture_));
  state.blend_ = glIsEnabled(GL_BLEND);
  state.blendFactors_[0] = GetInteger(GL_BLEND_SRC_RGB);
  state.blendFactors_[1] = GetInteger(GL_BLEND_DST_RGB);
  state.blendFactors_[2] = GetInteger(GL_BLEND_SRC_ALPHA);
  state.blendFactors_[3] = GetInteger(GL_BLEND_DST_ALPHA);
  state.blendEquations_[0] = GetInteger(GL_BLEND_EQUATION_RGB);
  state.blendEquations_[1] = GetInteger(GL_BLEND_EQUATION_ALPHA);
  state.depthTest_ = glIsEnabled(GL_DEPTH_TEST);
  state.depthFunc_ = GetInteger(GL_DEPTH_FUNC);
  glGetBooleanv(GL_DEPTH_WRITEMASK, &state.depthMask_);
  state.cullFace_ = glIsEnabled(GL_CULL_FACE);
  state.cullFaceMode_ = GetInteger(GL_CULL_FACE_MODE);
  state.frontFace_ = GetInteger(GL_FRONT_FACE);
  state.scissorTest_ = glIsEnabled(GL_SCISSOR_TEST);
  GLint polygonMode[2] = {GL_FILL, GL_FILL};
  glGetIntegerv(GL_POLYGON_MODE, polygonMode);
  state.polygonMode_ = polygonMode[0];
  glGetFloatv(GL_LINE_WIDTH, &state.lineWidth_);
  glGetFloatv(GL_COLOR_CLEAR_VALUE, state.clearColor_);
  glGetFloatv(GL_DEPTH_CLEAR_VALUE, &state.clearDepth_);
  glGetBooleanv(GL_COLOR_WRITEMASK, state.colorMask_);
  state.packAlignment_ = GetInteger(GL_PACK_ALIGNMENT);
  state.unpackAlignment_ = GetInteger(GL_UNPACK_ALIGNMENT);
  return state;
}

void GlState::Restore() const {
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer_));
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer_));
  glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
  glUseProgram(static_cast<GLuint>(program_));
  glBindVertexArray(static_cast<GLuint>(vertexArray_));
  glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(arrayBuffer_));
  glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(renderbuffer_));
  for (int unit = 0; unit < KeptTextureUnits; ++unit) {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textures_[unit]));
  }
  glActiveTexture(static_cast<GLenum>(activeTexture_));
  Switch(GL_BLEND, blend_);
  glBlendFuncSeparate(static_cast<GLenum>(blendFactors_[0]), static_cast<GLenum>(blendFactors_[1]),
                      static_cast<GLenum>(blendFactors_[2]), static_cast<GLenum>(blendFactors_[3]));
  glBlendEquationSeparate(static_cast<GLenum>(blendEquations_[0]), static_cast<GLenum>(blendEquations_[1]));
  Switch(GL_DEPTH_TEST, depthTest_);
  glDepthFunc(static_cast<GLenum>(depthFunc_));
  glDepthMask(depthMask_);
  Switch(GL_CULL_FACE, cullFace_);
  glCullFace(static_cast<GLenum>(cullFaceMode_));
  glFrontFace(static_cast<GLenum>(frontFace_));
  Switch(GL_SCISSOR_TEST, scissorTest_);
  glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(polygonMode_));
  glLineWidth(lineWidth_);
  glClearColor(clearColor_[0], clearColor_[1], clearColor_[2], clearColor_[3]);
  glClearDepth(clearDepth_);
  glColorMask(colorMask_[0], colorMask_[1], colorMask_[2], colorMask_[3]);
  glPixelStorei(GL_PACK_ALIGNMENT, packAlignment_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment_);
}

}  // namespace brisa_test
