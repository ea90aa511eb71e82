// The render engine singleton: window, context, unit quad, built-in resources, matrices, camera.
#pragma once

#include <cstdint>

#include <SDL.h>
#include <glad/gl.h>
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include "engine/camera.h"

class Shader;

// A source rectangle in texture pixels; y counts rows from the top of the image.
struct TextureRect {
  int32_t x;
  int32_t y;
  uint16_t width;
  uint16_t height;
};

enum RenderTargetMode : int {
  RenderTargetSecond = 0,
  RenderTargetScreen = 1,
  RenderTargetFlat = 3,
  RenderTargetBloom = 4,
  RenderTargetKeep = 5,
};

// Depth range of the 2D orthographic projections.
constexpr float OrthoNearPlane = 0.1f;
constexpr float OrthoFarPlane = 100.0f;

extern const float QuadVertices[20];
extern const uint32_t QuadIndices[6];

class Engine {
 public:
  // Get or create; the first call makes a zero-filled engine with identity matrices.
  static Engine* Instance();

  // SDL, window, context, loader, VSync, built-in shaders, unit quad, render textures, matrices.
  // Ends the process with exit code 1 to 4 when the window, context, loader or VSync fails.
  void Init();
  void SetOrtho();
  void SetRenderTarget(int mode);

  void Begin3D();
  // The state sprites expect: culling and depth test off, polygons filled, the orthographic
  // projection and the fixed 2D view. The scene objects come back to it after their 3D draws.
  void Enter2DState();
  void DrawMesh(GLuint vertexArray, int indexCount, const glm::vec3* position, const glm::quat* orientation,
                const glm::vec3* scale, Shader* shader, GLenum primitive);
  void DrawMeshColor(GLuint vertexArray, int indexCount, const glm::vec3* position,
                     const glm::quat* orientation, const glm::vec3* scale, uint32_t argb);
  void DrawSprite(int textureId, TextureRect source, int16_t x, int16_t y, float angleDegrees, uint16_t width,
                  uint16_t height, uint8_t alpha);
  void DrawQuad(int x, int y, unsigned width, unsigned height, Shader* shader, float angleDegrees);
  void FillScreen(uint32_t argb);

  GLuint quadVao = 0;
  GLuint quadVbo = 0;
  GLuint quadEbo = 0;
  int32_t shaderTexture2D = 0;
  int32_t shaderColor2D = 0;
  int32_t shaderTexture3D = 0;
  glm::vec3 eye2D{0.0f};
  glm::vec3 front2D{0.0f};
  glm::vec3 up2D{0.0f};
  glm::mat4 projection{1.0f};
  glm::mat4 view{1.0f};
  SDL_Window* window = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  SDL_GLContext glContext = nullptr;
  int32_t flatTarget = 0;
  int32_t secondTexture = 0;
  int32_t screenshotTexture = 0;
  int32_t bloomTexture = 0;
  int32_t blurTextures[2] = {0, 0};
  Camera camera;

 private:
  Engine() = default;

  // The steps of Init after the context exists.
  void CreateBuiltInShaders();
  void CreateUnitQuad();
  void CreateRenderTextures();
  void Reset2DView();
  void ResetCamera();
  // What DrawMesh and DrawQuad share: the current projection and view, the model, then the
  // vertex array's first `indexCount` indices as `primitive`.
  void DrawIndexed(const Shader& shader, const glm::mat4& model, GLuint vertexArray, GLenum primitive,
                   int indexCount);
};

extern Engine* gEngine;

// 0xAARRGGBB to RGBA floats, each byte over 255.
glm::vec4 ArgbToRgba(uint32_t argb);
