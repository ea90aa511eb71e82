// The engine singleton: its creation, start-up (SDL, window, context, loader, VSync, built-in
// resources, unit quad) and the 2D projection.
#include "engine/engine.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include <glm/gtc/matrix_transform.hpp>

#include "config/screen.h"
#include "engine/platform_settings.h"
#include "resources/resource_manager.h"

Engine* gEngine = nullptr;

// Four corners of a unit square (x, y, z, u, v), centred on the origin, y up.
const float QuadVertices[20] = {
    -0.5f, 0.5f,  0.0f, 0.0f, 1.0f,  //
    0.5f,  0.5f,  0.0f, 1.0f, 1.0f,  //
    0.5f,  -0.5f, 0.0f, 1.0f, 0.0f,  //
    -0.5f, -0.5f, 0.0f, 0.0f, 0.0f,  //
};
const uint32_t QuadIndices[6] = {0, 1, 2, 0, 2, 3};

namespace {

constexpr float CameraFarPlane = 100.0f;
constexpr GLsizei QuadStrideBytes = 5 * sizeof(float);
constexpr uintptr_t QuadTexCoordOffsetBytes = 3 * sizeof(float);
constexpr int BlurTextureCount = 2;

// Exit codes of the fatal start-up failures.
enum StartupFailure : int {
  FailureWindow = 1,
  FailureContext = 2,
  FailureLoader = 3,
  FailureVSync = 4,
};

void InitSdlAndAttributes() {
  ApplyPlatformSettings();
  SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
}

SDL_Window* CreateWindowOrExit() {
  SDL_Window* window =
      SDL_CreateWindow("Brisa Demo 2024 Lindora", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, ScreenWidth,
                       ScreenHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
  if (window == nullptr) {
    // exit() flushes the C streams, so the line still reaches the console.
    std::cout << "Window could not be created! SDL_Error: " << SDL_GetError() << "\n";
    std::exit(FailureWindow);
  }
  return window;
}

SDL_GLContext CreateContextOrExit(SDL_Window* window) {
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (context == nullptr) {
    std::cerr << "OpenGL context could not be created! Error: " << SDL_GetError() << std::endl;
    std::exit(FailureContext);
  }
  return context;
}

void LoadGlOrExit() {
  if (gladLoadGL(reinterpret_cast<GLADloadfunc>(SDL_GL_GetProcAddress)) == 0) std::exit(FailureLoader);
}

void SetVSyncOrExit() {
  if (SDL_GL_SetSwapInterval(1) < 0) {
    std::cerr << "Warning: Unable to set VSync! SDL Error: " << SDL_GetError() << std::endl;
    std::exit(FailureVSync);
  }
}

}  // namespace

glm::vec4 ArgbToRgba(uint32_t argb) {
  auto channel = [argb](int shift) { return static_cast<float>((argb >> shift) & 0xFFu) / 255.0f; };
  return glm::vec4(channel(16), channel(8), channel(0), channel(24));
}

Engine* Engine::Instance() {
  static Engine* instance = nullptr;
  if (instance == nullptr) instance = new Engine();
  return instance;
}

void Engine::SetOrtho() {
  projection = glm::orthoRH_NO(0.0f, static_cast<float>(width), static_cast<float>(height), 0.0f,
                               OrthoNearPlane, OrthoFarPlane);
}

void Engine::Init() {
  InitSdlAndAttributes();
  gEngine->window = CreateWindowOrExit();
  SDL_SetHint("SDL_RENDER_VSYNC", "1");
  gEngine->glContext = CreateContextOrExit(gEngine->window);
  LoadGlOrExit();
  SetVSyncOrExit();
  gEngine->CreateBuiltInShaders();
  gEngine->CreateUnitQuad();
  glEnable(GL_BLEND);
  gEngine->CreateRenderTextures();
  SDL_GetWindowSize(gEngine->window, &gEngine->width, &gEngine->height);
  SDL_ShowCursor(SDL_DISABLE);
  SDL_SetRelativeMouseMode(SDL_TRUE);
  gEngine->Reset2DView();
  gEngine->ResetCamera();
}

void Engine::CreateBuiltInShaders() {
  shaderTexture2D = gResourceManager->GetShader("TextureMatrix2D", ShaderTypeTexture);
  shaderTexture3D = gResourceManager->GetShader("TextureMatrix3D", ShaderTypeTexture3D);
  shaderColor2D = gResourceManager->GetShader("Color2D", ShaderTypeColor);
}

void Engine::CreateUnitQuad() {
  glGenVertexArrays(1, &quadVao);
  glBindVertexArray(quadVao);
  glGenBuffers(1, &quadVbo);
  glBindBuffer(GL_ARRAY_BUFFER, quadVbo);
  glBufferData(GL_ARRAY_BUFFER, sizeof(QuadVertices), QuadVertices, GL_STATIC_DRAW);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, QuadStrideBytes, nullptr);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, QuadStrideBytes,
                        reinterpret_cast<const void*>(QuadTexCoordOffsetBytes));
  glGenBuffers(1, &quadEbo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, quadEbo);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(QuadIndices), QuadIndices, GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glBindVertexArray(0);
}

void Engine::CreateRenderTextures() {
  constexpr uint16_t fullWidth = ScreenWidth;
  constexpr uint16_t fullHeight = ScreenHeight;
  constexpr uint16_t halfWidth = ScreenWidth / 2;
  constexpr uint16_t halfHeight = ScreenHeight / 2;
  secondTexture = gResourceManager->CreateRenderTexture("SecondRendertexture", fullWidth, fullHeight, true);
  screenshotTexture = gResourceManager->CreateRenderTexture("Screenshot", fullWidth, fullHeight, true);
  bloomTexture = gResourceManager->CreateRenderTexture("BloomTexture", halfWidth, halfHeight, false);
  for (int i = 0; i < BlurTextureCount; ++i) {
    const std::string name = "BlurTexture" + std::to_string(i);
    blurTextures[i] = gResourceManager->CreateRenderTexture(name, halfWidth, halfHeight, false);
  }
}

void Engine::Reset2DView() {
  eye2D = glm::vec3(0.0f, 0.0f, 3.0f);
  front2D = glm::vec3(0.0f, 0.0f, -1.0f);
  up2D = glm::vec3(0.0f, 1.0f, 0.0f);
  SetOrtho();
  view = CameraLookAt(eye2D, front2D, up2D);
}

void Engine::ResetCamera() {
  camera.position = glm::vec3(0.0f, 0.0f, 3.0f);
  camera.startPosition = glm::vec3(0.0f, 0.0f, 3.0f);
  camera.front = glm::vec3(0.0f, 0.0f, -1.0f);
  camera.up = glm::vec3(0.0f, 1.0f, 0.0f);
  camera.yaw = -90.0f;
  camera.pitch = 0.0f;
  camera.fov = 45.0f;
  camera.farPlane = CameraFarPlane;
  camera.projection = CameraPerspective(camera.fov, ScreenAspect, camera.farPlane);
  camera.view = CameraLookAt(camera.position, camera.front, camera.up);
}
