// Render textures: a framebuffer with an RGBA colour texture and a depth-stencil renderbuffer.
#include <algorithm>
#include <iostream>

#include "resources/resource_manager.h"

namespace {

// Every mipmap level down to 1 x 1, allocated without contents: the levels exist, as a generated
// chain's would, but the driver compiles and runs no blit shaders to fill them with nothing. A
// mipmapped filter meanwhile makes the driver lay out the whole chain at level 0, instead of
// storing level 0 alone and copying it again when level 1 arrives; the caller sets the real filter.
void AllocateLevels(uint16_t width, uint16_t height) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  GLsizei levelWidth = width;
  GLsizei levelHeight = height;
  for (GLint level = 0;; ++level) {
    glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA, levelWidth, levelHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    if (levelWidth <= 1 && levelHeight <= 1) return;
    levelWidth = std::max(1, levelWidth / 2);
    levelHeight = std::max(1, levelHeight / 2);
  }
}

GLuint MakeColourTexture(uint16_t width, uint16_t height, bool repeat) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  AllocateLevels(width, height);
  const GLint wrap = repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return name;
}

GLuint MakeDepthStencil(uint16_t width, uint16_t height) {
  GLuint name = 0;
  glGenRenderbuffers(1, &name);
  glBindRenderbuffer(GL_RENDERBUFFER, name);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
  return name;
}

}  // namespace

int ResourceManager::CreateRenderTexture(const std::string& name, uint16_t width, uint16_t height,
                                         bool repeat) {
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  GLuint colour = MakeColourTexture(width, height, repeat);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
  GLuint depthStencil = MakeDepthStencil(width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    std::cout << "ERROR en FrameBuffer: " << name << std::endl;
    // A target nobody can draw into is not kept, and the window is the target again.
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &colour);
    glDeleteRenderbuffers(1, &depthStencil);
    return -1;
  }
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  if (colour == 0) std::cerr << "Imposible crear textura OpenGL: " << name << std::endl;
  Texture* texture = new Texture();
  texture->texture = colour;
  texture->renderbuffer = depthStencil;
  texture->framebuffer = framebuffer;
  texture->width = width;
  texture->height = height;
  const int id = gResourceManager->RegisterTexture(name, texture);
  gResourceManager->textureIdByName.emplace(name, id);
  return id;
}
