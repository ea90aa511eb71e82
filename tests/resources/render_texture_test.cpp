// Render textures: attachments, sizes, wrap by the repeat flag, bindings left behind, refusal.
#include <gtest/gtest.h>

#include "resources/resource_fixture.h"
#include "support/console_capture.h"

namespace {

using brisa_test::ConsoleCapture;
using brisa_test::GetInteger;

class RenderTextureTest : public brisa_test::ResourceTest {
 protected:
  GLint Attachment(const Texture& target, GLenum attachment, GLenum parameter) {
    GLint value = 0;
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, attachment, parameter, &value);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return value;
  }
};

TEST_F(RenderTextureTest, FramebufferHoldsAColourTextureAndADepthStencilRenderbuffer) {
  const int id = manager.CreateRenderTexture("target", 24, 10, false);
  ASSERT_EQ(id, 0);
  const Texture& target = *manager.TextureById(id);
  EXPECT_EQ(GetInteger(GL_FRAMEBUFFER_BINDING), 0);
  EXPECT_EQ(GetInteger(GL_TEXTURE_BINDING_2D), static_cast<GLint>(target.texture));
  EXPECT_EQ(GetInteger(GL_RENDERBUFFER_BINDING), static_cast<GLint>(target.renderbuffer));

  EXPECT_EQ(Attachment(target, GL_COLOR_ATTACHMENT0, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE), GL_TEXTURE);
  EXPECT_EQ(Attachment(target, GL_COLOR_ATTACHMENT0, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME),
            static_cast<GLint>(target.texture));
  EXPECT_EQ(Attachment(target, GL_COLOR_ATTACHMENT0, GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_LEVEL), 0);
  for (GLenum attachment : {GL_DEPTH_ATTACHMENT, GL_STENCIL_ATTACHMENT}) {
    EXPECT_EQ(Attachment(target, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE), GL_RENDERBUFFER);
    EXPECT_EQ(Attachment(target, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME),
              static_cast<GLint>(target.renderbuffer));
  }
  EXPECT_EQ(Attachment(target, GL_DEPTH_ATTACHMENT, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE), 24);
  EXPECT_EQ(Attachment(target, GL_STENCIL_ATTACHMENT, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE), 8);

  GLint value = 0;
  glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_INTERNAL_FORMAT, &value);
  EXPECT_EQ(value, GL_DEPTH24_STENCIL8);
  glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_WIDTH, &value);
  EXPECT_EQ(value, 24);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &value);
  EXPECT_EQ(value, GL_RGBA);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &value);
  EXPECT_EQ(value, 10);
  // Mipmap levels exist even though the linear filter never reads them.
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &value);
  EXPECT_EQ(value, 12);
}

TEST_F(RenderTextureTest, RecordAndIdEntry) {
  const int id = manager.CreateRenderTexture("Screenshot", 32, 16, true);
  const Texture& target = *manager.TextureById(id);
  EXPECT_NE(target.texture, 0u);
  EXPECT_NE(target.framebuffer, 0u);
  EXPECT_NE(target.renderbuffer, 0u);
  EXPECT_EQ(target.width, 32);
  EXPECT_EQ(target.height, 16);
  for (float component : target.color) EXPECT_EQ(component, 1.0f);
  for (float component : target.colorAdd) EXPECT_EQ(component, 0.0f);
  EXPECT_EQ(target.blendMode, BlendAlpha);
  EXPECT_EQ(manager.textureByName.at("Screenshot"), &target);
  EXPECT_EQ(manager.textureIdByName.at("Screenshot"), id);
}

TEST_F(RenderTextureTest, RepeatFlagChoosesTheWrapAndTheFilterIsAlwaysLinear) {
  struct Case {
    bool repeat;
    GLint wrap;
  };
  for (const Case& c : {Case{false, GL_CLAMP_TO_EDGE}, Case{true, GL_REPEAT}}) {
    const Texture& target = *manager.TextureById(
        manager.CreateRenderTexture(c.repeat ? "repeat" : "clamp", 8, 8, c.repeat));
    const GLenum parameters[] = {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T, GL_TEXTURE_MIN_FILTER,
                                 GL_TEXTURE_MAG_FILTER};
    const GLint expected[] = {c.wrap, c.wrap, GL_LINEAR, GL_LINEAR};
    for (int i = 0; i < 4; ++i) {
      GLint value = 0;
      glBindTexture(GL_TEXTURE_2D, target.texture);
      glGetTexParameteriv(GL_TEXTURE_2D, parameters[i], &value);
      EXPECT_EQ(value, expected[i]) << "repeat " << c.repeat << " parameter " << i;
    }
  }
}

TEST_F(RenderTextureTest, DrawsIntoItsColourTextureAndDepthStencil) {
  const Texture& target = *manager.TextureById(manager.CreateRenderTexture("canvas", 4, 4, false));
  glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
  glViewport(0, 0, 4, 4);
  glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
  glClearDepth(0.25);
  glClearStencil(9);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  EXPECT_EQ(brisa_test::ReadPixelTopDown(3, 3, 4), (brisa_test::Rgba{0, 255, 0, 255}));
  GLuint depthStencil = 0;
  glReadPixels(1, 1, 1, 1, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8, &depthStencil);
  EXPECT_EQ(depthStencil & 0xffu, 9u);
  EXPECT_NEAR(static_cast<double>(depthStencil >> 8) / 0xffffff, 0.25, 1e-4);
}

TEST_F(RenderTextureTest, IncompleteTargetIsReportedDeletedAndNotKept) {
  GLuint boundBefore = 0;
  glGenFramebuffers(1, &boundBefore);
  glBindFramebuffer(GL_FRAMEBUFFER, boundBefore);
  ConsoleCapture console;
  EXPECT_EQ(manager.CreateRenderTexture("nothing", 0, 0, false), -1);
  EXPECT_EQ(console.Stdout(false), "ERROR en FrameBuffer: nothing\n");
  EXPECT_EQ(console.Stderr(false), "");
  EXPECT_EQ(GetInteger(GL_FRAMEBUFFER_BINDING), 0);
  // Deleting bound objects unbinds them; a kept target would still be bound.
  EXPECT_EQ(GetInteger(GL_TEXTURE_BINDING_2D), 0);
  EXPECT_EQ(GetInteger(GL_RENDERBUFFER_BINDING), 0);
  EXPECT_TRUE(manager.textures.empty());
  EXPECT_TRUE(manager.textureByName.empty());
  EXPECT_TRUE(manager.textureIdByName.empty());
  glDeleteFramebuffers(1, &boundBefore);
}

}  // namespace
