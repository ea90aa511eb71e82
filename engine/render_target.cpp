// Render-target selection: which framebuffer the next draws go to, with its viewport and projections.
#include <glm/gtc/matrix_transform.hpp>

#include "config/screen.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

constexpr int HalfScreenWidth = ScreenWidth / 2;
constexpr int HalfScreenHeight = ScreenHeight / 2;

// A texture id that names nothing, or a texture without a framebuffer, targets the window.
void BindTextureFramebuffer(int textureId) {
  const Texture* texture = gResourceManager->TextureById(textureId);
  glBindFramebuffer(GL_FRAMEBUFFER, texture != nullptr ? texture->framebuffer : 0);
}

}  // namespace

void Engine::SetRenderTarget(int mode) {
  switch (mode) {
    case RenderTargetSecond:
      BindTextureFramebuffer(secondTexture);
      glViewport(0, 0, ScreenWidth, ScreenHeight);
      SetOrtho();
      break;
    case RenderTargetScreen:
      glBindFramebuffer(GL_FRAMEBUFFER, 0);
      glViewport(0, 0, ScreenWidth, ScreenHeight);
      SetOrtho();
      break;
    case RenderTargetFlat:
      BindTextureFramebuffer(flatTarget);
      glViewport(0, 0, ScreenWidth, ScreenHeight);
      Enter2DState();
      break;
    case RenderTargetBloom:
      BindTextureFramebuffer(bloomTexture);
      glViewport(0, 0, HalfScreenWidth, HalfScreenHeight);
      projection = glm::orthoRH_NO(0.0f, static_cast<float>(HalfScreenWidth), static_cast<float>(HalfScreenHeight),
                                   0.0f, OrthoNearPlane, OrthoFarPlane);
      break;
    default:
      return;
  }
  camera.projection = CameraPerspective(camera.fov, ScreenAspect, camera.farPlane);
}
